// Removable drives on Windows: the drive letters the system reports, kept when their type is
// removable (card readers, also empty ones, USB flash drives), with label and size of each.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/result.h"
#include "core/platform/volumes/volume_source.h"

namespace marlix {

// The few volume calls the backend makes, so that tests can stand in for the system.
class WindowsVolumeApi {
public:
    struct Space {
        std::uint64_t totalBytes = 0;
        std::uint64_t freeBytes = 0;  // of the whole volume, not the caller's quota
    };

    virtual ~WindowsVolumeApi() = default;
    // Roots such as L"E:\\" in the system's order (GetLogicalDriveStringsW).
    virtual Result<std::vector<std::wstring>> LogicalDriveRoots() = 0;
    virtual bool IsRemovable(const std::wstring& root) = 0;  // GetDriveTypeW
    virtual std::optional<std::wstring> VolumeLabel(
        const std::wstring& root) = 0;                                     // GetVolumeInformationW
    virtual std::optional<Space> DiskSpace(const std::wstring& root) = 0;  // GetDiskFreeSpaceExW
};

// The real calls. Each call suppresses the system's critical-error box for its duration. The
// calls hold no state, so probes on several threads may share one.
std::unique_ptr<WindowsVolumeApi> CreateWin32VolumeApi();

class WindowsVolumeSource final : public VolumeSource {
public:
    explicit WindowsVolumeSource(std::unique_ptr<WindowsVolumeApi> api);
    // The drive letters of the removable type; asking for the type does not wake the drive.
    Result<std::vector<DriveInfo>> ListRemovableDrives() override;
    // Label and size, which the drive itself must answer.
    void ProbeDrive(DriveInfo& drive) override;

private:
    std::unique_ptr<WindowsVolumeApi> m_api;
};

std::unique_ptr<VolumeSource> CreateWindowsVolumeSource();

}  // namespace marlix
