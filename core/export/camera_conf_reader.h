// Reading a camera.conf back: what a card holds, and everything in it that the camera would not
// take as we write it.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/pages/page_fields.h"
#include "core/schema/setting_rows.h"

namespace marlix {

// A camera.conf is a few hundred bytes; a file far larger is refused unread rather than checked
// line by line.
inline constexpr std::size_t kCameraConfReadLimit = 1 << 20;

// How many problems a reading keeps as texts by default: what a message or a tooltip shows
// before "and N more". Past the kept ones only the count goes on, so that a file of a million bad
// lines costs neither the memory nor the text of a million messages.
inline constexpr std::size_t kCameraConfProblemsKept = 10;

struct CameraConfProblem {
    std::size_t line;  // 1-based; 0 for the file as a whole (a key that never appears)
    std::string message;
    bool operator==(const CameraConfProblem&) const = default;
};

struct CameraConfSetting {
    std::size_t line = 0;
    std::string text;        // as it stands in the file
    OptionIndex index = -1;  // -1 when the text is none of the key's options
};

struct CameraConfReading {
    // Indexed like kCameraConfOrder; empty where the key never appears. Of a repeated key the
    // first line is kept.
    std::array<std::optional<CameraConfSetting>, kCameraConfSettingCount> settings;
    std::optional<std::string> clockText;
    // The first problems, in line order, whole-file problems last; problemCount counts them all.
    std::vector<CameraConfProblem> problems;
    std::size_t problemCount = 0;

    bool valid() const { return problemCount == 0; }
    // "and N more problems" for those not kept, to follow the kept ones; empty when all are kept.
    std::string moreProblemsText() const;
    // The selections a valid file describes: its options, the clock flag set when a clock line is
    // present, no Photo interlock flag. Only meaningful when valid().
    ProfileSelections selections() const;
};

// Lines end in CR LF or LF, the last one included. Never fails: whatever the bytes are, every
// departure from the format becomes a problem; UTF-16 or binary bytes are one problem alone. Keeps
// the texts of the first problemsKept problems and counts the rest.
CameraConfReading ReadCameraConf(std::string_view bytes,
                                 std::size_t problemsKept = kCameraConfProblemsKept);

// Whether the text is "YYYY-MM-DD hh:mm:ss" naming a real calendar second.
bool IsWellFormedClockText(std::string_view text);

// Position of the key in kCameraConfOrder, or -1 for a name that is not a setting line's.
int CameraConfSettingPosition(std::string_view keyName);

// A key whose text differs between a profile and a camera.conf.
struct CameraConfDifference {
    std::string key;
    std::string profileText;
    std::string fileText;
    bool operator==(const CameraConfDifference&) const = default;
};

// Compares what a profile would write (no interlock flags) with a file's texts, in file order;
// sync_clock last, as TRUE/FALSE for the profile's flag and the presence of the file's clock line.
// A key missing from the file shows as "(missing)".
std::vector<CameraConfDifference> DiffCameraConf(const ProfileSelections& profile,
                                                 const CameraConfReading& file);

}  // namespace marlix
