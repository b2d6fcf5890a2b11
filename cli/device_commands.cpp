#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "cli/commands.h"
#include "cli/drive_roots.h"
#include "devices/device_list.h"
#include "platform/volumes/volume_source.h"

#if defined(__linux__)
#include "platform/volumes/linux/linux_volume_source.h"
#endif

namespace marlix {

namespace {

// marlix-cli's tests point the scan at fixture trees (a mount table, a sysfs tree and a udev
// database) through these variables; the window never reads them. The fixtures hold no device
// nodes, so labels come from the udev records alone.
std::unique_ptr<VolumeSource> volumeSource() {
#if defined(__linux__)
    const char* mountInfo = std::getenv("MARLIX_TEST_MOUNTINFO");
    const char* sysfs = std::getenv("MARLIX_TEST_SYSFS");
    const char* udevData = std::getenv("MARLIX_TEST_UDEV_DATA");
    if (mountInfo && sysfs && udevData) {
        return std::make_unique<LinuxVolumeSource>(LinuxVolumeConfig{
            mountInfo, sysfs, std::make_shared<UdevBlockDeviceProperties>(udevData, udevData),
            &StatVolume});
    }
#endif
    return CreateSystemVolumeSource();
}

std::string_view withoutTrailingSeparators(std::string_view root) {
    while (root.size() > 1 && (root.back() == '/' || root.back() == '\\')) root.remove_suffix(1);
    return root;
}

bool sameRoot(std::string_view listed, std::string_view given) {
    listed = withoutTrailingSeparators(listed);
    given = withoutTrailingSeparators(given);
#ifdef _WIN32
    // Drive letters are typed in either case ("e:" for E:\).
    auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
    return std::equal(listed.begin(), listed.end(), given.begin(), given.end(),
                      [&](char a, char b) { return fold(a) == fold(b); });
#else
    return listed == given;
#endif
}

// One field of a tab-separated row: the separators themselves and other control characters are
// shown escaped so that every drive stays on one line.
std::string field(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                    char escaped[5];
                    std::snprintf(escaped, sizeof escaped, "\\x%02x",
                                  static_cast<unsigned char>(c));
                    out += escaped;
                } else {
                    out += c;
                }
        }
    }
    return out;
}

}  // namespace

Result<std::vector<DeviceRow>> ScanDeviceRows() {
    auto source = volumeSource();
    DeviceList list;
    if (const Status status = list.Rescan(*source); !status)
        return status;
    return list.rows();
}

Result<std::string> FindRemovableRoot(std::string_view given) {
    auto rows = ScanDeviceRows();
    if (!rows)
        return rows.status();
    std::string listed;
    for (const DeviceRow& row : *rows) {
        if (sameRoot(row.root, given))
            return row.root;
        listed += listed.empty() ? "" : ", ";
        listed += row.root;
    }
    return Status::failure("\"" + std::string(given) + "\" is not a listed removable drive (" +
                           (listed.empty() ? "none is attached" : "listed: " + listed) + ")");
}

int RunDevices(Invocation& in) {
    auto rows = ScanDeviceRows();
    if (!rows)
        return in.fail(rows.status());
    for (const DeviceRow& row : *rows) {
        in.out << field(row.root) << '\t' << field(row.label) << '\t' << field(row.space) << '\t'
               << field(row.version) << '\n';
    }
    return kExitSuccess;
}

}  // namespace marlix
