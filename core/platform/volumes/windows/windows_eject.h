// "Eject" on Windows: what the taskbar's safe removal does for a drive. The volume is locked (no
// program may have a file open on it) and dismounted, so that everything written is on the card,
// then the system is asked to remove the device the volume is on.
#pragma once

#include <memory>
#include <string>

#include "core/platform/result.h"

namespace marlix {

// The system calls of an eject, so that the order and every refusal are tested without a drive.
class EjectSystem {
public:
    virtual ~EjectSystem() = default;
    // The volume device (\\.\E:), opened for reading and writing.
    virtual Status OpenVolume(const std::wstring& volume) = 0;
    // FSCTL_LOCK_VOLUME: fails with ErrorCode::Busy while a program has a file open on it.
    virtual Status LockVolume() = 0;
    virtual Status DismountVolume() = 0;  // FSCTL_DISMOUNT_VOLUME
    virtual Status AllowRemoval() = 0;    // IOCTL_STORAGE_MEDIA_REMOVAL, no longer prevented
    // IOCTL_STORAGE_GET_DEVICE_NUMBER: the disk the volume is on.
    virtual Result<unsigned long> DiskNumber() = 0;
    virtual void CloseVolume() = 0;  // unlocks it
    // CM_Request_Device_EjectW on that disk's device: fails naming the program or device that
    // vetoed it.
    virtual Status RequestEject(unsigned long diskNumber) = 0;
    // Waits a little before the lock is tried again.
    virtual void Pause() = 0;
};

// The real calls (cfgmgr32, setupapi).
std::unique_ptr<EjectSystem> CreateWin32EjectSystem();

// Ejects the drive at root ("E:\"). Nothing is removed while a file is open on it: the lock is
// tried a few times, then the failure says the card is in use. The volume's handle is closed
// before the removal is asked for, since an open handle of our own would veto it.
Status EjectVolume(const std::string& root, EjectSystem& system);
Status EjectVolume(const std::string& root);

}  // namespace marlix
