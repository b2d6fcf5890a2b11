// Builds sysfs-like trees (and udev database files) in a folder, laid out as the kernel lays
// them out, so the Linux volume backend can be run against machines that are not this one.
#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/platform/volumes/linux/device_properties.h"

namespace marlix::fixture {

namespace fs = std::filesystem;

inline void WriteFile(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
}

// Relative link from the folder `from` to `to`, as sysfs makes them.
inline void Link(const fs::path& link, const fs::path& target) {
    fs::create_directories(link.parent_path());
    fs::create_symlink(fs::relative(target, link.parent_path()), link);
}

struct FixtureDisk {
    std::string name;
    DevNum device;
    // Device folder below devices/ that the disk hangs off ("virtual" for loop devices).
    std::string parent;
    std::string removable = "0";
    // Written to the parent device's "type" attribute when not empty ("SD", "MMC", "5", ...).
    std::string type;
    std::vector<std::pair<std::string, DevNum>> partitions;
};

class SysfsTree {
public:
    explicit SysfsTree(fs::path root) : m_root(std::move(root)) {
        fs::create_directories(m_root / "dev" / "block");
        fs::create_directories(m_root / "class" / "block");
        fs::create_directories(m_root / "devices");
    }

    const fs::path& root() const { return m_root; }

    void AddDisk(const FixtureDisk& disk) {
        const fs::path parent = m_root / "devices" / disk.parent;
        const fs::path diskDir = parent / "block" / disk.name;
        WriteFile(diskDir / "dev", disk.device.text() + "\n");
        WriteFile(diskDir / "removable", disk.removable + "\n");
        if (disk.parent != "virtual")
            Link(diskDir / "device", parent);
        if (!disk.type.empty())
            WriteFile(parent / "type", disk.type + "\n");
        AddBlockLinks(disk.name, disk.device, diskDir);
        int number = 1;
        for (const auto& [name, device] : disk.partitions) {
            const fs::path partDir = diskDir / name;
            WriteFile(partDir / "dev", device.text() + "\n");
            WriteFile(partDir / "partition", std::to_string(number++) + "\n");
            AddBlockLinks(name, device, partDir);
        }
    }

    // Makes the block device `lower` one of those that `upper` (device-mapper, RAID) is built on.
    void AddSlave(const std::string& upper, const std::string& lower) {
        const fs::path blocks = m_root / "class" / "block";
        Link(fs::canonical(blocks / upper) / "slaves" / lower, fs::canonical(blocks / lower));
    }

    // Says which bus a device folder belongs to, as its "subsystem" link does.
    void SetSubsystem(const std::string& devicePath, const std::string& subsystem) {
        const fs::path dir = m_root / "devices" / devicePath;
        fs::create_directories(dir);
        Link(dir / "subsystem", m_root / "bus" / subsystem);
    }

private:
    void AddBlockLinks(const std::string& name, DevNum device, const fs::path& dir) {
        Link(m_root / "dev" / "block" / device.text(), dir);
        Link(m_root / "class" / "block" / name, dir);
    }

    fs::path m_root;
};

inline constexpr const char* kUsbPort = "pci0000:00/0000:00:14.0/usb2/2-1";

inline std::string UsbDisk(int host) {
    const std::string h = std::to_string(host);
    return std::string(kUsbPort) + "/2-1:1.0/host" + h + "/target" + h + ":0:0/" + h + ":0:0:0";
}

inline std::string SataDisk(int host) {
    const std::string h = std::to_string(host);
    return "pci0000:00/0000:00:17.0/ata" + h + "/host" + h + "/target" + h + ":0:0/" + h + ":0:0:0";
}

// A laptop with a system disk, a built-in SD reader, an eMMC, snaps, and a handful of USB
// devices of every kind the device list must tell apart.
inline void BuildSampleMachine(SysfsTree& tree) {
    tree.SetSubsystem("pci0000:00/0000:00:14.0/usb2", "usb");
    tree.SetSubsystem(kUsbPort, "usb");
    tree.AddDisk({"sda", {8, 0}, SataDisk(0), "0", "0", {{"sda1", {8, 1}}, {"sda2", {8, 2}}}});
    // A USB stick that calls itself fixed.
    tree.AddDisk({"sdb", {8, 16}, UsbDisk(6), "0", "0", {{"sdb1", {8, 17}}}});
    // A USB disk the system runs /home from.
    tree.AddDisk({"sdc", {8, 32}, UsbDisk(7), "1", "0", {{"sdc1", {8, 33}}, {"sdc2", {8, 34}}}});
    tree.AddDisk({"sdd", {8, 48}, UsbDisk(8), "1", "0", {{"sdd1", {8, 49}}}});
    // A card reader with the file system on the whole card.
    tree.AddDisk({"sde", {8, 64}, UsbDisk(9), "1", "0", {}});
    tree.AddDisk({"sdf", {8, 80}, UsbDisk(10), "1", "0", {{"sdf1", {8, 81}}}});
    tree.AddDisk({"sdg", {8, 96}, UsbDisk(11), "1", "0", {{"sdg1", {8, 97}}}});
    tree.AddDisk({"sdh", {8, 112}, SataDisk(1), "0", "0", {{"sdh1", {8, 113}}}});
    tree.AddDisk({"sr0", {11, 0}, UsbDisk(12), "1", "5", {}});
    tree.AddDisk({"mmcblk0",
                  {179, 0},
                  "platform/soc/mmc_host/mmc0/mmc0:aaaa",
                  "0",
                  "SD",
                  {{"mmcblk0p1", {179, 1}}}});
    tree.AddDisk({"mmcblk1",
                  {179, 8},
                  "platform/soc/mmc_host/mmc1/mmc1:0001",
                  "1",
                  "MMC",
                  {{"mmcblk1p1", {179, 9}}}});
    // A USB disk the system runs /var from through device-mapper.
    tree.AddDisk(
        {"sdi", {8, 128}, UsbDisk(13), "1", "0", {{"sdi1", {8, 129}}, {"sdi2", {8, 130}}}});
    tree.AddDisk({"dm-0", {254, 0}, "virtual", "0", "", {}});
    tree.AddSlave("dm-0", "sdi2");
    tree.AddDisk({"loop0", {7, 0}, "virtual", "1", "", {}});
    tree.AddDisk({"loop1", {7, 1}, "virtual", "1", "", {}});
    tree.AddDisk({"loop2", {7, 2}, "virtual", "0", "", {}});
}

// udev's records for the sample machine; loop devices have none.
inline void WriteSampleUdevDatabase(const fs::path& dir) {
    const auto record = [&](DevNum device, const std::string& lines) {
        WriteFile(dir / ("b" + device.text()), "S:disk/by-id/x\nI:1234\n" + lines + "G:systemd\n");
    };
    record({8, 16}, "E:ID_BUS=usb\n");
    record({8, 17}, "E:ID_FS_LABEL=CAM_CARD\nE:ID_FS_LABEL_ENC=CAM\\x20CARD\nE:ID_BUS=usb\n");
    record({8, 49}, "E:ID_FS_LABEL_ENC=HIDDEN\nE:UDISKS_IGNORE=1\n");
    record({8, 64}, "E:ID_FS_LABEL_ENC=Cam\\xe9ra\n");
    record({8, 81}, "E:ID_FS_LABEL=NTFS\nE:ID_FS_TYPE=ntfs\n");
    record({8, 96}, "E:UDISKS_SYSTEM=1\n");
    record({8, 97}, "E:ID_FS_LABEL_ENC=SYS\n");
    record({8, 113}, "E:ID_FS_LABEL_ENC=BACKUP\n");
    record({179, 1}, "E:ID_FS_LABEL_ENC=\\xc3\\x89t\\xc3\\xa9\n");
    record({179, 9}, "E:ID_FS_LABEL_ENC=EMMC\n");
}

}  // namespace marlix::fixture
