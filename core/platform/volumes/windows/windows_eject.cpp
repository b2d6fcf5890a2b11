#include "core/platform/volumes/windows/windows_eject.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// clang-format off: the GUIDs are defined where initguid.h comes first.
#include <cfgmgr32.h>
#include <devguid.h>
#include <initguid.h>
#include <setupapi.h>
#include <winioctl.h>
// clang-format on

#include <optional>
#include <vector>

#include "core/platform/text_win32.h"
#include "core/platform/win32_error_mode.h"

namespace marlix {

namespace {

// A program that is closing its files gets a moment to finish.
constexpr int kLockAttempts = 5;

std::string vetoText(PNP_VETO_TYPE type, const std::wstring& name) {
    std::string why;
    switch (type) {
        case PNP_VetoOutstandingOpen:
            why = "a program has a file open on it";
            break;
        case PNP_VetoLegacyDevice:
        case PNP_VetoLegacyDriver:
        case PNP_VetoDriver:
        case PNP_VetoDevice:
            why = "a driver or device holds it";
            break;
        case PNP_VetoNonDisableable:
        case PNP_VetoIllegalDeviceRequest:
            why = "the system does not let it be removed";
            break;
        default:
            why = "the system refused";
            break;
    }
    if (!name.empty())
        why += " (" + WideToUtf8(name) + ")";
    return why;
}

class Handle {
public:
    ~Handle() { reset(); }
    void reset(HANDLE handle = INVALID_HANDLE_VALUE) {
        if (m_handle != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_handle);
        m_handle = handle;
    }
    HANDLE get() const { return m_handle; }

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
};

Status lastError(const char* what) {
    const DWORD error = ::GetLastError();
    return Status::failure(std::string(what) + ": " + WindowsErrorText(error),
                           error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION
                               ? ErrorCode::Busy
                               : ErrorCode::Io);
}

// The device instance of the disk with that number: the one PnP removes.
Result<DEVINST> diskInstance(unsigned long number) {
    HDEVINFO set = ::SetupDiGetClassDevsW(&GUID_DEVINTERFACE_DISK, nullptr, nullptr,
                                          DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE)
        return lastError("Cannot list the disks");
    std::optional<DEVINST> found;
    SP_DEVICE_INTERFACE_DATA interfaceData{};
    interfaceData.cbSize = sizeof interfaceData;
    for (DWORD i = 0; !found && ::SetupDiEnumDeviceInterfaces(set, nullptr, &GUID_DEVINTERFACE_DISK,
                                                              i, &interfaceData);
         ++i) {
        DWORD size = 0;
        ::SetupDiGetDeviceInterfaceDetailW(set, &interfaceData, nullptr, 0, &size, nullptr);
        if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W))
            continue;
        std::vector<BYTE> buffer(size);
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        SP_DEVINFO_DATA deviceData{};
        deviceData.cbSize = sizeof deviceData;
        if (!::SetupDiGetDeviceInterfaceDetailW(set, &interfaceData, detail, size, nullptr,
                                                &deviceData)) {
            continue;
        }
        Handle disk;
        disk.reset(::CreateFileW(detail->DevicePath, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr));
        STORAGE_DEVICE_NUMBER diskNumber{};
        DWORD returned = 0;
        if (disk.get() != INVALID_HANDLE_VALUE &&
            ::DeviceIoControl(disk.get(), IOCTL_STORAGE_GET_DEVICE_NUMBER, nullptr, 0, &diskNumber,
                              sizeof diskNumber, &returned, nullptr) &&
            diskNumber.DeviceType == FILE_DEVICE_DISK && diskNumber.DeviceNumber == number) {
            found = deviceData.DevInst;
        }
    }
    ::SetupDiDestroyDeviceInfoList(set);
    if (!found) {
        return Status::failure("the system lists no disk device for the drive",
                               ErrorCode::NotFound);
    }
    return *found;
}

class Win32EjectSystem final : public EjectSystem {
public:
    Status OpenVolume(const std::wstring& volume) override {
        m_volume.reset(::CreateFileW(volume.c_str(), GENERIC_READ | GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                     nullptr));
        return m_volume.get() == INVALID_HANDLE_VALUE ? lastError("Cannot open the drive")
                                                      : Status::success();
    }
    Status LockVolume() override { return control(FSCTL_LOCK_VOLUME, "Cannot lock the drive"); }
    Status DismountVolume() override {
        return control(FSCTL_DISMOUNT_VOLUME, "Cannot dismount the drive");
    }
    Status AllowRemoval() override {
        PREVENT_MEDIA_REMOVAL allow{};
        allow.PreventMediaRemoval = FALSE;
        DWORD returned = 0;
        if (!::DeviceIoControl(m_volume.get(), IOCTL_STORAGE_MEDIA_REMOVAL, &allow, sizeof allow,
                               nullptr, 0, &returned, nullptr)) {
            return lastError("Cannot allow the card's removal");
        }
        return Status::success();
    }
    Result<unsigned long> DiskNumber() override {
        STORAGE_DEVICE_NUMBER number{};
        DWORD returned = 0;
        if (!::DeviceIoControl(m_volume.get(), IOCTL_STORAGE_GET_DEVICE_NUMBER, nullptr, 0, &number,
                               sizeof number, &returned, nullptr)) {
            return lastError("Cannot find the drive's disk");
        }
        return static_cast<unsigned long>(number.DeviceNumber);
    }
    void CloseVolume() override { m_volume.reset(); }
    Status RequestEject(unsigned long diskNumber) override {
        auto instance = diskInstance(diskNumber);
        if (!instance)
            return instance.status();
        PNP_VETO_TYPE veto = PNP_VetoTypeUnknown;
        wchar_t vetoName[MAX_PATH] = {};
        const CONFIGRET result =
            ::CM_Request_Device_EjectW(*instance, &veto, vetoName, MAX_PATH, 0);
        if (result != CR_SUCCESS) {
            return Status::failure("the system refused to remove it (configuration manager error " +
                                   std::to_string(result) + ")");
        }
        if (veto != PNP_VetoTypeUnknown)
            return Status::failure(vetoText(veto, vetoName), ErrorCode::Busy);
        return Status::success();
    }
    void Pause() override { ::Sleep(200); }

private:
    Status control(DWORD code, const char* what) {
        DWORD returned = 0;
        if (!::DeviceIoControl(m_volume.get(), code, nullptr, 0, nullptr, 0, &returned, nullptr))
            return lastError(what);
        return Status::success();
    }

    Handle m_volume;
};

}  // namespace

std::unique_ptr<EjectSystem> CreateWin32EjectSystem() {
    return std::make_unique<Win32EjectSystem>();
}

Status EjectVolume(const std::string& root, EjectSystem& system) {
    // "E:\" -> "\\.\E:", the volume itself.
    if (root.size() < 2 || root[1] != ':')
        return Status::failure("\"" + root + "\" is not a drive letter's root",
                               ErrorCode::NotFound);
    const std::wstring volume = L"\\\\.\\" + Utf8ToWide(root.substr(0, 2));
    if (Status status = system.OpenVolume(volume); !status)
        return status;
    Status locked = system.LockVolume();
    for (int attempt = 1; !locked && locked.code() == ErrorCode::Busy && attempt < kLockAttempts;
         ++attempt) {
        system.Pause();
        locked = system.LockVolume();
    }
    if (!locked) {
        system.CloseVolume();
        if (locked.code() == ErrorCode::Busy) {
            return Status::failure("the card is in use: a program has a file open on it",
                                   ErrorCode::Busy);
        }
        return locked;
    }
    Status status = system.DismountVolume();
    // A card reader that never prevented removal may not take the request; that is no reason
    // to stop.
    if (status)
        (void)system.AllowRemoval();
    Result<unsigned long> disk = status ? system.DiskNumber() : Result<unsigned long>(status);
    system.CloseVolume();
    if (!disk)
        return disk.status();
    return system.RequestEject(*disk);
}

Status EjectVolume(const std::string& root) {
    QuietCriticalErrors quiet;
    auto system = CreateWin32EjectSystem();
    return EjectVolume(root, *system);
}

}  // namespace marlix
