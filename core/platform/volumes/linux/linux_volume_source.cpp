#include "core/platform/volumes/linux/linux_volume_source.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <map>
#include <memory>
#include <set>
#include <string_view>

#include "core/platform/files/file_io.h"
#include "core/platform/text.h"

namespace marlix {

namespace fs = std::filesystem;

namespace {

// A disk that holds one of these is the one the system runs from; offering it as a camera card
// would invite writing onto the system disk.
constexpr std::array<std::string_view, 6> kSystemMountPoints = {"/",    "/boot", "/boot/efi",
                                                                "/usr", "/var",  "/home"};

// Read-only images (snaps, live media) that sit on loop devices and are never a card.
constexpr std::array<std::string_view, 4> kImageFileSystems = {"squashfs", "erofs", "cramfs",
                                                               "romfs"};

bool contains(const auto& list, std::string_view value) {
    return std::find(list.begin(), list.end(), value) != list.end();
}

std::string_view trimEnd(std::string_view text) {
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

// A sysfs attribute: a few bytes, read without following the caller into anything that could
// block. nullopt when it is missing or unreadable.
std::optional<std::string> readAttribute(const fs::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0)
        return std::nullopt;
    char buffer[256];
    ssize_t n;
    do {
        n = ::read(fd, buffer, sizeof buffer);
    } while (n < 0 && errno == EINTR);
    ::close(fd);
    if (n < 0)
        return std::nullopt;
    return std::string(trimEnd(std::string_view(buffer, static_cast<std::size_t>(n))));
}

std::string textFromBytes(const std::string& bytes) {
    return IsValidUtf8(bytes) ? bytes : Latin1ToUtf8(bytes);
}

bool flagSet(const std::optional<DeviceProperties>& properties, std::string_view key) {
    if (!properties)
        return false;
    const auto found = properties->find(key);
    return found != properties->end() && found->second == "1";
}

bool underMediaDirectory(std::string_view target) {
    return target.starts_with("/media/") || target.starts_with("/run/media/");
}

struct Disk {
    fs::path dir;   // sysfs directory of the whole disk, links resolved
    DevNum device;  // the whole disk's number
};

// The block devices as sysfs shows them. Lookups are cached for the length of one scan.
class SysfsView {
public:
    explicit SysfsView(const fs::path& root) : m_root(root) {
        std::error_code error;
        m_devicesDir = fs::canonical(root / "devices", error);
    }

    // The whole disk that holds a block device (itself when it is not a partition); nullopt
    // when sysfs has no such block device.
    const std::optional<Disk>& diskOf(DevNum device) {
        const auto cached = m_disks.find(device);
        if (cached != m_disks.end())
            return cached->second;
        return m_disks.emplace(device, findDisk(device)).first->second;
    }

    // For file systems the kernel reports under an anonymous number (fuseblk, btrfs): the
    // block device named by the mount source.
    std::optional<DevNum> deviceNamed(std::string_view source) {
        if (!source.starts_with("/dev/"))
            return std::nullopt;
        const std::string_view name = source.substr(5);
        if (name.empty() || name.find('/') != std::string_view::npos)
            return std::nullopt;
        const auto text = readAttribute(m_root / "class" / "block" / std::string(name) / "dev");
        return text ? ParseDevNum(*text) : std::nullopt;
    }

    // The disk and, for device-mapper and RAID devices, the disks beneath it.
    void addWithLowerDisks(const Disk& disk, std::set<fs::path>& out, int depth = 0) {
        if (!out.insert(disk.dir).second || depth > 8)
            return;
        std::error_code error;
        for (fs::directory_iterator it(disk.dir / "slaves", error), end; !error && it != end;
             it.increment(error)) {
            std::error_code linkError;
            const fs::path lowerDir = fs::canonical(it->path(), linkError);
            if (linkError)
                continue;
            if (const auto lower = diskAt(lowerDir))
                addWithLowerDisks(*lower, out, depth + 1);
        }
    }

    bool onUsbBus(const Disk& disk) const {
        if (m_devicesDir.empty())
            return false;
        std::error_code error;
        for (fs::path dir = disk.dir.parent_path();
             dir != m_devicesDir && dir.has_relative_path() && dir != dir.parent_path();
             dir = dir.parent_path()) {
            const fs::path subsystem = fs::read_symlink(dir / "subsystem", error);
            if (!error && subsystem.filename() == "usb")
                return true;
        }
        return false;
    }

private:
    std::optional<Disk> findDisk(DevNum device) {
        std::error_code error;
        const fs::path dir = fs::canonical(m_root / "dev" / "block" / device.text(), error);
        if (error)
            return std::nullopt;
        return diskAt(dir);
    }

    static std::optional<Disk> diskAt(const fs::path& dir) {
        std::error_code error;
        const fs::path diskDir = fs::exists(dir / "partition", error) ? dir.parent_path() : dir;
        const auto number = readAttribute(diskDir / "dev");
        const auto device = number ? ParseDevNum(*number) : std::nullopt;
        if (!device)
            return std::nullopt;
        return Disk{diskDir, *device};
    }

    fs::path m_root;
    fs::path m_devicesDir;
    std::map<DevNum, std::optional<Disk>> m_disks;
};

// A mounted volume that may become a row.
struct Candidate {
    DevNum device;  // the block device
    DevNum mountDevice;
    Disk disk;
    std::string target;
    std::string source;
};

std::uint64_t packed(DevNum device) {
    return ::makedev(device.major, device.minor);
}

DevNum unpacked(std::uint64_t device) {
    return DevNum{::major(device), ::minor(device)};
}

std::string withoutTrailingSlash(const std::string& root) {
    return root.size() > 1 && root.ends_with('/') ? root.substr(0, root.size() - 1) : root;
}

std::optional<DevNum> blockDeviceOf(const MountEntry& entry, SysfsView& sysfs) {
    if (entry.device.major != 0)
        return entry.device;
    return sysfs.deviceNamed(entry.source);
}

// The disks (with those beneath them) that hold what the system runs from.
std::set<fs::path> systemDisksOf(const std::vector<MountEntry>& table, SysfsView& sysfs) {
    std::set<fs::path> systemDisks;
    for (const MountEntry& entry : table) {
        if (!contains(kSystemMountPoints, entry.target))
            continue;
        if (const auto device = blockDeviceOf(entry, sysfs)) {
            if (const auto& disk = sysfs.diskOf(*device))
                sysfs.addWithLowerDisks(*disk, systemDisks);
        }
    }
    return systemDisks;
}

// Whether the block device's disk is a camera card's kind of drive: removable, on a USB bus or
// an SD card, and none that the system runs from or that udev marks as the system's.
bool isRemovableCard(BlockDeviceProperties& properties, SysfsView& sysfs,
                     const std::set<fs::path>& systemDisks, DevNum device, const Disk& disk,
                     const std::optional<DeviceProperties>& ownProperties) {
    if (systemDisks.contains(disk.dir))
        return false;
    const auto diskProperties =
        disk.device == device ? ownProperties : properties.Properties(disk.device);
    const auto flagged = [&](std::string_view key) {
        return flagSet(ownProperties, key) || flagSet(diskProperties, key);
    };
    if (flagged("UDISKS_SYSTEM") || flagged("UDISKS_IGNORE"))
        return false;

    // MMC cards say what they are ("SD", "SDcombo", "MMC" for soldered eMMC); SCSI devices give
    // a number, 5 being an optical drive.
    const std::string deviceType = readAttribute(disk.dir / "device" / "type").value_or("");
    if (deviceType == "MMC" || deviceType == "5" || flagged("ID_CDROM"))
        return false;
    return readAttribute(disk.dir / "removable") == "1" || deviceType == "SD" ||
           deviceType == "SDcombo" || flagged("ID_DRIVE_FLASH_SD") || sysfs.onUsbBus(disk);
}

// A mountinfo field with the kernel's octal escapes (\040 for a space) undone.
std::string unescapeField(std::string_view field) {
    std::string out;
    out.reserve(field.size());
    const auto octal = [](char c) { return c >= '0' && c <= '7'; };
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] == '\\' && i + 3 < field.size() && octal(field[i + 1]) &&
            octal(field[i + 2]) && octal(field[i + 3])) {
            out += static_cast<char>(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) |
                                     (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

}  // namespace

std::optional<MountEntry> ParseMountInfoLine(std::string_view line) {
    // ID PARENT MAJOR:MINOR ROOT TARGET OPTIONS [OPTIONAL...] - FSTYPE SOURCE SUPER_OPTIONS
    std::vector<std::string_view> fields;
    while (!line.empty()) {
        const std::size_t space = line.find(' ');
        if (space != 0)
            fields.push_back(line.substr(0, space));
        line.remove_prefix(space == std::string_view::npos ? line.size() : space + 1);
    }
    const auto separator = std::find(fields.begin(), fields.end(), "-");
    if (separator - fields.begin() < 6 || fields.end() - separator < 3)
        return std::nullopt;
    const std::optional<DevNum> device = ParseDevNum(fields[2]);
    if (!device)
        return std::nullopt;
    return MountEntry{*device, unescapeField(fields[3]), unescapeField(fields[4]),
                      unescapeField(separator[1]), unescapeField(separator[2])};
}

Result<std::vector<MountEntry>> ReadMountTable(const fs::path& mountInfoPath) {
    // Far more than the thousands of mounts a busy container host has.
    constexpr std::size_t kMaxMountTableBytes = 64u << 20;
    const Result<std::string> text = ReadWholeFile(mountInfoPath, kMaxMountTableBytes);
    if (!text)
        return text.status();
    std::vector<MountEntry> entries;
    std::string_view rest = *text;
    while (!rest.empty()) {
        const std::size_t newline = rest.find('\n');
        const std::string_view line = rest.substr(0, newline);
        rest.remove_prefix(newline == std::string_view::npos ? rest.size() : newline + 1);
        if (auto entry = ParseMountInfoLine(line))
            entries.push_back(std::move(*entry));
    }
    return entries;
}

std::optional<VolumeSpace> StatVolume(const std::string& mountPoint) {
    struct statvfs st;
    if (::statvfs(mountPoint.c_str(), &st) != 0)
        return std::nullopt;
    const std::uint64_t unit = st.f_frsize != 0 ? st.f_frsize : st.f_bsize;
    return VolumeSpace{static_cast<std::uint64_t>(st.f_blocks) * unit,
                       static_cast<std::uint64_t>(st.f_bfree) * unit};
}

LinuxVolumeConfig LinuxVolumeConfig::System() {
    return LinuxVolumeConfig{"/proc/self/mountinfo", "/sys",
                             std::make_shared<UdevBlockDeviceProperties>(), &StatVolume};
}

LinuxVolumeSource::LinuxVolumeSource(LinuxVolumeConfig config) : m_config(std::move(config)) {}

Result<std::vector<DriveInfo>> LinuxVolumeSource::ListRemovableDrives() {
    auto table = ReadMountTable(m_config.mountInfoPath);
    if (!table)
        return table.status();

    SysfsView sysfs(m_config.sysfsRoot);
    const auto blockDevice = [&](const MountEntry& entry) { return blockDeviceOf(entry, sysfs); };

    const std::set<fs::path> systemDisks = systemDisksOf(*table, sysfs);

    // A volume mounted over by a later entry at the same place cannot be reached there.
    std::map<std::string_view, std::size_t> topmost;
    for (std::size_t i = 0; i < table->size(); ++i) topmost[(*table)[i].target] = i;

    // One candidate per device, in mount table order.
    std::vector<Candidate> candidates;
    std::map<DevNum, std::size_t> byDevice;
    for (std::size_t i = 0; i < table->size(); ++i) {
        const MountEntry& entry = (*table)[i];
        if (topmost[entry.target] != i)
            continue;
        // A bind mount of a folder inside a volume is not the volume's root.
        if (entry.root != "/")
            continue;
        if (contains(kImageFileSystems, entry.fsType))
            continue;
        const auto device = blockDevice(entry);
        if (!device)
            continue;
        const auto& disk = sysfs.diskOf(*device);
        if (!disk)
            continue;
        const auto [slot, isNew] = byDevice.emplace(*device, candidates.size());
        if (isNew) {
            candidates.push_back(
                Candidate{*device, entry.device, *disk, entry.target, entry.source});
        } else if (Candidate& kept = candidates[slot->second];
                   !underMediaDirectory(kept.target) && underMediaDirectory(entry.target)) {
            kept.target = entry.target;
            kept.mountDevice = entry.device;
        }
    }

    std::vector<DriveInfo> drives;
    for (const Candidate& candidate : candidates) {
        const auto ownProperties = m_config.properties->Properties(candidate.device);
        if (!isRemovableCard(*m_config.properties, sysfs, systemDisks, candidate.device,
                             candidate.disk, ownProperties)) {
            continue;
        }

        DriveInfo drive;
        drive.root = candidate.target.ends_with('/') ? candidate.target : candidate.target + "/";
        drive.listing.mountDevice = packed(candidate.mountDevice);
        drive.listing.blockDevice = packed(candidate.device);
        drive.listing.source = candidate.source;
        if (ownProperties) {
            const auto encoded = ownProperties->find("ID_FS_LABEL_ENC");
            const auto plain = ownProperties->find("ID_FS_LABEL");
            if (encoded != ownProperties->end()) {
                drive.label = textFromBytes(DecodeUdevEscapes(encoded->second));
            } else if (plain != ownProperties->end()) {
                drive.label = textFromBytes(plain->second);
            }
            drive.listing.labelKnown = true;
        }
        drives.push_back(std::move(drive));
    }
    std::sort(drives.begin(), drives.end(),
              [](const DriveInfo& a, const DriveInfo& b) { return a.root < b.root; });
    return drives;
}

void LinuxVolumeSource::ProbeDrive(DriveInfo& drive) {
    const std::string target = withoutTrailingSlash(drive.root);
    if (!drive.listing.labelKnown) {
        if (const auto probed = m_config.properties->ProbeLabel(unpacked(drive.listing.blockDevice),
                                                                drive.listing.source)) {
            drive.label = textFromBytes(*probed);
        }
    }
    if (const auto space = m_config.statVolume(target)) {
        drive.spaceKnown = true;
        drive.totalBytes = space->totalBytes;
        drive.freeBytes = space->freeBytes;
    }
    struct stat st;
    if (::stat(target.c_str(), &st) == 0)
        drive.rootDevice = st.st_dev;
}

bool LinuxVolumeSource::IsRemovableDevice(std::uint64_t blockDevice) {
    auto table = ReadMountTable(m_config.mountInfoPath);
    if (!table)
        return false;
    SysfsView sysfs(m_config.sysfsRoot);
    const DevNum device = unpacked(blockDevice);
    const auto& disk = sysfs.diskOf(device);
    if (!disk)
        return false;
    return isRemovableCard(*m_config.properties, sysfs, systemDisksOf(*table, sysfs), device, *disk,
                           m_config.properties->Properties(device));
}

bool LinuxVolumeSource::StillMounted(const DriveInfo& drive) {
    auto table = ReadMountTable(m_config.mountInfoPath);
    if (!table)
        return false;
    // The last entry at a place is the one that is reached there.
    const std::string target = withoutTrailingSlash(drive.root);
    for (auto entry = table->rbegin(); entry != table->rend(); ++entry) {
        if (entry->target == target) {
            return packed(entry->device) == drive.listing.mountDevice && entry->root == "/" &&
                   entry->source == drive.listing.source;
        }
    }
    return false;
}

}  // namespace marlix
