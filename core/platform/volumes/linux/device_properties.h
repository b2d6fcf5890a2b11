// What the Linux backend learns about a block device beyond sysfs: the properties udev recorded
// for it, and its file system label read from the device itself where udev has nothing.
#pragma once

#include <compare>
#include <filesystem>
#include <map>
#include <optional>
#include <string>

namespace marlix {

// A device number as the kernel prints it, "major:minor".
struct DevNum {
    unsigned major = 0;
    unsigned minor = 0;

    friend auto operator<=>(const DevNum&, const DevNum&) = default;
    std::string text() const { return std::to_string(major) + ":" + std::to_string(minor); }
};

// Parses "major:minor" (surrounding white space allowed); nullopt for anything else.
std::optional<DevNum> ParseDevNum(std::string_view text);

using DeviceProperties = std::map<std::string, std::string, std::less<>>;

class BlockDeviceProperties {
public:
    virtual ~BlockDeviceProperties() = default;
    // udev's properties of the block device; nullopt when udev holds no record of it (no udev
    // database on this system, or the device was never processed).
    virtual std::optional<DeviceProperties> Properties(DevNum device) = 0;
    // The label of the file system on the device, read from the device itself; nullopt when the
    // device cannot be opened or probed. mountSource is the device path the mount table names.
    virtual std::optional<std::string> ProbeLabel(DevNum device,
                                                  const std::string& mountSource) = 0;
};

// udev's database ("b<major>:<minor>" files of "E:KEY=VALUE" lines) with libblkid as the label
// probe; device nodes are looked up under devDir.
class UdevBlockDeviceProperties final : public BlockDeviceProperties {
public:
    explicit UdevBlockDeviceProperties(std::filesystem::path dataDir = "/run/udev/data",
                                       std::filesystem::path devDir = "/dev");
    std::optional<DeviceProperties> Properties(DevNum device) override;
    std::optional<std::string> ProbeLabel(DevNum device, const std::string& mountSource) override;

private:
    std::filesystem::path m_dataDir;
    std::filesystem::path m_devDir;
};

// Undoes udev's "\xNN" escaping of property values (ID_FS_LABEL_ENC and the like); any other
// backslash is kept as it stands. The result is bytes, not necessarily UTF-8.
std::string DecodeUdevEscapes(std::string_view encoded);

}  // namespace marlix
