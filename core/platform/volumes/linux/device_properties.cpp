#include "core/platform/volumes/linux/device_properties.h"

#include <blkid.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <charconv>
#include <cstring>
#include <fstream>

namespace marlix {

namespace fs = std::filesystem;

namespace {

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

UdevBlockDeviceProperties::UdevBlockDeviceProperties(fs::path dataDir, fs::path devDir)
    : m_dataDir(std::move(dataDir)), m_devDir(std::move(devDir)) {}

std::optional<DeviceProperties> UdevBlockDeviceProperties::Properties(DevNum device) {
    std::string name = "b";
    name += device.text();
    std::ifstream in(m_dataDir / name, std::ios::binary);
    if (!in)
        return std::nullopt;
    DeviceProperties properties;
    std::string line;
    while (std::getline(in, line)) {
        if (line.size() < 2 || line[0] != 'E' || line[1] != ':')
            continue;
        const std::size_t equals = line.find('=', 2);
        if (equals == std::string::npos)
            continue;
        properties.emplace(line.substr(2, equals - 2), line.substr(equals + 1));
    }
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

    blkid_probe probe = blkid_new_probe_from_filename(node.c_str());
    if (probe == nullptr)
        return std::nullopt;
    std::optional<std::string> label;
    blkid_probe_enable_superblocks(probe, 1);
    blkid_probe_set_superblocks_flags(probe, BLKID_SUBLKS_LABEL);
    const int found = blkid_do_safeprobe(probe);
    if (found == 0) {
        const char* data = nullptr;
        std::size_t length = 0;
        if (blkid_probe_lookup_value(probe, "LABEL", &data, &length) == 0 && data != nullptr) {
            label = std::string(data, ::strnlen(data, length));
        } else {
            label = std::string();
        }
    } else if (found == 1) {
        label = std::string();  // readable, but no file system signature: no label
    }
    blkid_free_probe(probe);
    return label;
}

}  // namespace marlix
