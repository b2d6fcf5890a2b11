// The texts of the device list: one row per removable drive with its root, label, space and the
// card's version.txt.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/devices/drive_probe.h"
#include "core/platform/volumes/volume_source.h"

namespace marlix {

// "free MB/total MB(free G/total G)". MB = bytes >> 20 kept as a 32-bit signed number, G = MB >>
// 10. The 32 bits hold any size below 2 PiB (2^31 MB); beyond that the figures wrap. The text and
// its arithmetic are kept as users know them.
std::string SpaceText(std::uint64_t totalBytes, std::uint64_t freeBytes);

// What a drive whose size could not be queried shows.
std::string SpaceText(const DriveInfo& drive);

inline constexpr std::size_t kVersionTextMaxBytes = 99;
// Spelled as users know it; keep it so.
inline constexpr const char* kNoVersionText = "No infomation";

struct VersionText {
    std::string text;  // UTF-8
    int result = -1;   // 0 when version.txt was read, -1 when it was not
};

// The first 99 bytes of root + "version.txt" up to the first NUL, as text: UTF-8 when they are
// UTF-8 (a character cut in two by the limit is dropped), otherwise Latin-1. Line breaks stay.
// Anything but a readable regular file (missing, a folder, a FIFO, a device, a link, a read
// error) gives "No infomation" and never blocks.
VersionText ReadVersionText(const std::string& root);
// The bytes of version.txt (up to its first NUL) as UTF-8, read as the system's programs write
// them: in the ANSI code page on Windows, elsewhere as above. mayBeCut: the bytes stop at the
// size limit, so their last character may be cut in two.
std::string VersionTextFromBytes(std::string_view bytes, bool mayBeCut);

// How far a drive's probe has come: a row is shown as soon as the drive is listed, and gets its
// size and version text when the drive answers. Unmounted: a card that is present but not
// mounted; its row can be mounted, never written.
enum class DriveState { Probing, Answered, NotAnswering, Unmounted };

inline constexpr const char* kProbingText = "Reading...";
inline constexpr const char* kNotAnsweringText = "Not answering";
inline constexpr const char* kNotMountedText = "Not mounted";

struct DeviceRow {
    // Column 0, and the target when the row is chosen; for an unmounted card, the device it is on
    // ("/dev/sdb1"), which is never a target.
    std::string root;
    std::string label;    // column 1
    std::string space;    // column 2
    std::string version;  // column 3
    DriveState state = DriveState::Answered;
    DriveInfo drive = {};  // what the scan knows of the drive, for writing onto it
    CardConf conf = {};    // its camera.conf, once it answered

    friend bool operator==(const DeviceRow&, const DeviceRow&) = default;
};

// A card the system knows of but has not mounted (a desktop without automount, a card unmounted
// earlier): the device its file system is on and what the system knows of its label.
struct UnmountedCard {
    std::string device;             // "/dev/sdb1"
    std::string label;              // UTF-8
    std::uint64_t blockDevice = 0;  // the system's number of that device
    friend bool operator==(const UnmountedCard&, const UnmountedCard&) = default;
};

// What a cell of the list shows for one of a row's texts, and its tooltip. A cell holds one line:
// line breaks, tabs and every other control character (C0, DEL, C1, and the Unicode line and
// paragraph separators) are shown as one space each; the tooltip holds the text as it is.
struct CellText {
    std::string display;  // UTF-8, one line
    std::string tooltip;  // UTF-8, the whole text; empty for an empty text
};
CellText MakeCellText(std::string_view text);

// A drive that is listed and not probed yet: its root and what the system knows of its label.
DeviceRow DescribeListedDrive(const DriveInfo& drive);
// A drive as its probe left it: its texts when it answered, "Not answering" when it did not.
DeviceRow DescribeProbedDrive(const ProbedDrive& probed);
// An unmounted card's row: its device, its label and "Not mounted".
DeviceRow DescribeUnmountedCard(const UnmountedCard& card);
// One row per drive, in the drives' order.
std::vector<DeviceRow> DescribeDrives(const std::vector<ProbedDrive>& probed);

}  // namespace marlix
