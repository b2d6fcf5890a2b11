// One row per camera setting: everything marlix knows of a setting is in its row, and every
// list of settings (the order of a profile in cfg.ini, the lines of camera.conf, what the command
// line accepts) is derived from the rows. The rows themselves are in setting_rows.cpp, so that
// changing one rebuilds that file alone. The code map in docs/code-map.md shows how a setting is
// added.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "core/pages/page_fields.h"

namespace marlix {

// A setting's choice: the number of its option, in the order the camera lists them.
using OptionIndex = std::int32_t;

// The settings in row order: page by page (in the order of the schema, not of the tabs), each
// page's keys in their order.
// clang-format off
enum class Setting : std::uint8_t {
    Mode1, Mode2, Mode3,
    VideoQuality, Fov, Timelapse, VideoStamp, MicVol, AutoRec, LoopRec, RecBeep,
    PhotoQuality, AutoShoot, PhotoStamp, PhotoBurst,
    ImageMeter, ImageIso, ImageWb, ImageEv, ImageSharpness,
    SyncClock, ImageRotate, TvMode, LightFreq, AutoShutdown, DateFmt, Osd, OpBeep, Format,
};
// clang-format on
inline constexpr std::size_t kSettingCount = 29;
inline constexpr std::size_t kCameraConfSettingCount = kSettingCount - 1;  // all but the clock

struct SettingOption {
    std::string_view text;
    std::int32_t isDefault;  // 1 for the key's default option
};

// The page field that holds a setting, as a member of the page's field struct.
using PageField = std::variant<int ModeFields::*, int VideoFields::*, int ImageFields::*,
                               int PhotoFields::*, int SystemFields::*>;

inline constexpr int kNoPosition = -1;

struct SettingRow {
    Setting id;
    Page page;  // the page that shows it
    std::string_view name;
    // The option texts, the default flagged; empty for sync_clock, a TRUE/FALSE flag.
    std::span<const SettingOption> options;
    PageField field;
    // Options the page has a button for, in option order: what a profile can hold, and so what
    // the store compares when it reads the key back (fewer than the camera knows for image_iso
    // and auto_shutdown).
    int pageOptions;
    // Of those, the ones the user can choose (burst's "20 P" button is never shown).
    int shownOptions;
    // Place among a profile's keys in cfg.ini, and line of camera.conf after "enable_cfg=true"
    // (kNoPosition: not written there).
    int profilePosition;
    int cameraConfPosition;
};

// ---- what is derived from the rows ---------------------------------------------------------

// Every row, in the order of Setting.
extern const std::span<const SettingRow, kSettingCount> kSettingRows;
const SettingRow& RowOf(Setting id);

std::optional<Setting> FindSetting(std::string_view name);

// The settings in the order of a profile's keys in cfg.ini, and of camera.conf's lines.
extern const std::array<Setting, kSettingCount> kProfileSaveOrder;
extern const std::array<Setting, kCameraConfSettingCount> kCameraConfOrder;

// Which options an option search looks among: all the camera knows, the page's buttons (what a
// profile can hold), or those the user can choose.
enum class OptionScope { Camera, Page, Shown };
int OptionCount(Setting id, OptionScope scope);
// The option whose text is exactly `text`; nullopt when none of those in scope is. Callers that
// take a missing or unknown text as the first option say so with value_or(0).
std::optional<OptionIndex> FindOption(Setting id, std::string_view text, OptionScope scope);
std::string_view OptionText(Setting id, OptionIndex index);
OptionIndex DefaultOptionIndex(Setting id);

// The field that holds the setting (for sync_clock, the 0/1 flag).
int& SelectionField(ProfileSelections& selections, Setting id);
int SelectionField(const ProfileSelections& selections, Setting id);
template <typename Fields>
int& PageFieldOf(Fields& fields, Setting id) {
    return fields.*std::get<int Fields::*>(RowOf(id).field);
}

// Every key's default option, and the clock flag set: what a new cfg.ini starts with.
ProfileSelections DefaultSelections();

}  // namespace marlix
