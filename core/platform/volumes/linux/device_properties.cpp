#include "core/platform/volumes/linux/device_properties.h"

#include <blkid.h>
#include <dlfcn.h>
#include <libudev.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <charconv>
#include <cstring>
#include <optional>
#include <type_traits>

namespace marlix {

namespace fs = std::filesystem;

namespace {

// libblkid, loaded the first time a label has to be probed: udev knows the label of nearly every
// card, and linking the library would have every start of the window load it (0.13 MiB, and its
// relocations) for a probe that most starts never make.
struct Blkid {
    decltype(&::blkid_new_probe_from_filename) newProbeFromFilename;
    decltype(&::blkid_probe_enable_superblocks) enableSuperblocks;
    decltype(&::blkid_probe_set_superblocks_flags) setSuperblocksFlags;
    decltype(&::blkid_do_safeprobe) doSafeprobe;
    decltype(&::blkid_probe_lookup_value) lookupValue;
    decltype(&::blkid_free_probe) freeProbe;
};

const Blkid* LoadBlkid() {
    static const std::optional<Blkid> loaded = []() -> std::optional<Blkid> {
        void* library = ::dlopen("libblkid.so.1", RTLD_LAZY | RTLD_LOCAL);
        if (library == nullptr)
            return std::nullopt;
        const auto find = [library](auto& function, const char* name) {
            function = reinterpret_cast<std::remove_reference_t<decltype(function)>>(
                ::dlsym(library, name));
            return function != nullptr;
        };
        Blkid blkid{};
        if (find(blkid.newProbeFromFilename, "blkid_new_probe_from_filename") &&
            find(blkid.enableSuperblocks, "blkid_probe_enable_superblocks") &&
            find(blkid.setSuperblocksFlags, "blkid_probe_set_superblocks_flags") &&
            find(blkid.doSafeprobe, "blkid_do_safeprobe") &&
            find(blkid.lookupValue, "blkid_probe_lookup_value") &&
            find(blkid.freeProbe, "blkid_free_probe"))
            return blkid;
        return std::nullopt;  // kept loaded: a library is not unloaded while the program runs
    }();
    return loaded ? &*loaded : nullptr;
}

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isSpace(text.front())) text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back())) text.remove_suffix(1);
    return text;
}

bool parseUnsigned(std::string_view text, unsigned& value) {
    if (text.empty())
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The node only counts when it is the block device itself: a stale path from another mount
// namespace, or a regular file, must not be probed in its place.
bool isNodeOf(const fs::path& node, DevNum device) {
    struct stat st;
    if (::stat(node.c_str(), &st) != 0 || !S_ISBLK(st.st_mode))
        return false;
    return ::major(st.st_rdev) == device.major && ::minor(st.st_rdev) == device.minor;
}

}  // namespace

std::optional<DevNum> ParseDevNum(std::string_view text) {
    text = trim(text);
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    DevNum device;
    if (!parseUnsigned(text.substr(0, colon), device.major) ||
        !parseUnsigned(text.substr(colon + 1), device.minor)) {
        return std::nullopt;
    }
    return device;
}

std::string DecodeUdevEscapes(std::string_view encoded) {
    std::string out;
    out.reserve(encoded.size());
    for (std::size_t i = 0; i < encoded.size(); ++i) {
        if (encoded[i] == '\\' && i + 3 < encoded.size() && encoded[i + 1] == 'x') {
            const int high = hexValue(encoded[i + 2]);
            const int low = hexValue(encoded[i + 3]);
            if (high >= 0 && low >= 0) {
                out.push_back(static_cast<char>(high * 16 + low));
                i += 3;
                continue;
            }
        }
        out.push_back(encoded[i]);
    }
    return out;
}

UdevBlockDeviceProperties::UdevBlockDeviceProperties(fs::path devDir)
    : m_devDir(std::move(devDir)) {}

std::optional<DeviceProperties> UdevBlockDeviceProperties::Properties(DevNum device) {
    // A context of its own for each question: libudev's objects are not to be shared between
    // threads, and the scan may run on any.
    udev* context = ::udev_new();
    if (context == nullptr)
        return std::nullopt;
    udev_device* node =
        ::udev_device_new_from_devnum(context, 'b', ::makedev(device.major, device.minor));
    std::optional<DeviceProperties> properties;
    // Until udev has processed a device (or where no udev runs, as in many containers) libudev
    // knows only what the kernel says of it, none of the properties we look for.
    if (node != nullptr && ::udev_device_get_is_initialized(node) > 0) {
        properties.emplace();
        udev_list_entry* entry = nullptr;
        udev_list_entry_foreach(entry, ::udev_device_get_properties_list_entry(node)) {
            const char* name = ::udev_list_entry_get_name(entry);
            const char* value = ::udev_list_entry_get_value(entry);
            if (name != nullptr)
                properties->emplace(name, value != nullptr ? value : "");
        }
    }
    if (node != nullptr)
        ::udev_device_unref(node);
    ::udev_unref(context);
    return properties;
}

std::optional<std::string> UdevBlockDeviceProperties::ProbeLabel(DevNum device,
                                                                 const std::string& mountSource) {
    fs::path node;
    if (mountSource.starts_with("/dev/") && isNodeOf(mountSource, device)) {
        node = mountSource;
    } else if (const fs::path byNumber = m_devDir / "block" / device.text();
               isNodeOf(byNumber, device)) {
        node = byNumber;
    } else {
        return std::nullopt;
    }

    const Blkid* blkid = LoadBlkid();
    if (blkid == nullptr)
        return std::nullopt;  // as for a device that cannot be read: the label stays unknown
    blkid_probe probe = blkid->newProbeFromFilename(node.c_str());
    if (probe == nullptr)
        return std::nullopt;
    std::optional<std::string> label;
    blkid->enableSuperblocks(probe, 1);
    blkid->setSuperblocksFlags(probe, BLKID_SUBLKS_LABEL);
    const int found = blkid->doSafeprobe(probe);
    if (found == 0) {
        const char* data = nullptr;
        std::size_t length = 0;
        if (blkid->lookupValue(probe, "LABEL", &data, &length) == 0 && data != nullptr) {
            label = std::string(data, ::strnlen(data, length));
        } else {
            label = std::string();
        }
    } else if (found == 1) {
        label = std::string();  // readable, but no file system signature: no label
    }
    blkid->freeProbe(probe);
    return label;
}

}  // namespace marlix
