// Removable drives on Linux: the mounted volumes of the mount table whose disk is removable, on
// a USB bus, or an SD card, and which the system does not run from.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/result.h"
#include "core/platform/volumes/linux/device_properties.h"
#include "core/platform/volumes/volume_source.h"

namespace marlix {

// One line of a mountinfo table, its octal escapes undone.
struct MountEntry {
    DevNum device;       // as the kernel reports it; major 0 for file systems without a disk
    std::string root;    // the part of the file system that is mounted ("/" for all of it)
    std::string target;  // mount point
    std::string fsType;
    std::string source;  // "/dev/sdb1", "tmpfs", ...
};

// One line of a mountinfo file; nullopt for a line that is not one (skipped, as the kernel
// writes none).
std::optional<MountEntry> ParseMountInfoLine(std::string_view line);

// All entries of a mountinfo file, in file order.
Result<std::vector<MountEntry>> ReadMountTable(const std::filesystem::path& mountInfoPath);

struct VolumeSpace {
    std::uint64_t totalBytes = 0;
    std::uint64_t freeBytes = 0;
};

// statvfs of a mount point: total = f_blocks * f_frsize, free = f_bfree * f_frsize. nullopt
// when the query fails.
std::optional<VolumeSpace> StatVolume(const std::string& mountPoint);

struct LinuxVolumeConfig {
    std::filesystem::path mountInfoPath;
    // Where sysfs is mounted; dev/block/MAJ:MIN and class/block/NAME are looked up below it.
    std::filesystem::path sysfsRoot;
    std::shared_ptr<BlockDeviceProperties> properties;
    std::function<std::optional<VolumeSpace>(const std::string& mountPoint)> statVolume;

    // This process's mount table, /sys, udev's properties through libudev and statvfs.
    static LinuxVolumeConfig System();
};

class LinuxVolumeSource final : public VolumeSource {
public:
    explicit LinuxVolumeSource(LinuxVolumeConfig config);
    Result<std::vector<DriveInfo>> ListRemovableDrives() override;
    // statvfs and stat of the mount point, and libblkid's label where udev has none.
    void ProbeDrive(DriveInfo& drive) override;
    // The mount table still has the same device mounted at the drive's root, on top.
    bool StillMounted(const DriveInfo& drive) override;
    // By the same rules as the listing, without a mount.
    bool IsRemovableDevice(std::uint64_t blockDevice) override;

private:
    LinuxVolumeConfig m_config;
};

}  // namespace marlix
