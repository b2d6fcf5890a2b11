// One row per camera setting: everything marlix knows of a setting is in its row, and every
// list of settings (the schema's sections, the order of a profile in cfg.ini, the lines of
// camera.conf, what the command line accepts) is derived from the rows. The code map in
// docs/code-map.md shows how a setting is added.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "core/pages/page_fields.h"
#include "core/schema/settings_schema.h"

namespace marlix {

// The settings in schema order: section by section, each section's keys in their order.
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

// The page field that holds a setting, as a member of the page's field struct.
using PageField = std::variant<int ModeFields::*, int VideoFields::*, int ImageFields::*,
                               int PhotoFields::*, int SystemFields::*>;

inline constexpr int kNoPosition = -1;

struct SettingRow {
    Setting id;
    SectionIndex section;
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

// ---- the option texts, as the camera spells them ---------------------------------------------

inline constexpr SettingOption kMode1Options[] = {{"2304x1296p 30", 0},
                                                  {"1920x1080p 60", 1},
                                                  {"1920x1080p 30", 0},
                                                  {"1600x1200p 60", 0},
                                                  {"1600x1200p 30", 0}};
inline constexpr SettingOption kMode2Options[] = {
    {"1280x720p 120", 1}, {"1280x720p 60", 0}, {"1280x720p 30", 0}};
inline constexpr SettingOption kMode3Options[] = {{"16M", 1}, {"12M", 0}, {"8M", 0}, {"5M", 0}};
inline constexpr SettingOption kQualityOptions[] = {{"sfine", 1}, {"fine", 0}, {"normal", 0}};
inline constexpr SettingOption kFovOptions[] = {{"wide", 1}, {"normal", 0}, {"narrow", 0}};
inline constexpr SettingOption kTimelapseOptions[] = {{"off", 1}, {"1s", 0},  {"2s", 0}, {"5s", 0},
                                                      {"10s", 0}, {"30s", 0}, {"60s", 0}};
inline constexpr SettingOption kStampOptions[] = {
    {"off", 1}, {"time", 0}, {"date", 0}, {"Date&Time", 0}};
inline constexpr SettingOption kMicVolOptions[] = {{"mute", 0}, {"50%", 0}, {"60%", 0}, {"70%", 0},
                                                   {"80%", 1},  {"90%", 0}, {"100%", 0}};
inline constexpr SettingOption kAutoRecOptions[] = {{"off", 1}, {"on", 0}};
inline constexpr SettingOption kLoopRecOptions[] = {
    {"off", 0}, {"2min", 0}, {"3min", 0}, {"5min", 1}};
inline constexpr SettingOption kRecBeepOptions[] = {
    {"off", 1}, {"5min", 0}, {"10min", 0}, {"15min", 0}};
inline constexpr SettingOption kAutoShootOptions[] = {
    {"off", 0}, {"1s", 0}, {"2s", 0}, {"3s", 1}, {"5s", 0}, {"10s", 0}, {"30s", 0}, {"60s", 0}};
inline constexpr SettingOption kBurstOptions[] = {
    {"off", 1}, {"3p", 0}, {"5p", 0}, {"10p", 0}, {"20p", 0}};
inline constexpr SettingOption kMeterOptions[] = {{"spot", 0}, {"multi", 0}, {"center", 1}};
inline constexpr SettingOption kIsoOptions[] = {{"auto", 1}, {"100", 0},  {"200", 0}, {"400", 0},
                                                {"800", 0},  {"1600", 0}, {"3200", 0}};
inline constexpr SettingOption kWbOptions[] = {
    {"auto", 1}, {"sunny", 0}, {"cloudy", 0}, {"incandescent", 0}};
inline constexpr SettingOption kEvOptions[] = {
    {"-2.0", 0}, {"-1.7", 0}, {"-1.3", 0}, {"-1.0", 0}, {"-0.7", 0}, {"-0.3", 0}, {"0.0", 1},
    {"+0.3", 0}, {"+0.7", 0}, {"+1.0", 0}, {"+1.3", 0}, {"+1.7", 0}, {"+2.0", 0}};
inline constexpr SettingOption kSharpnessOptions[] = {
    {"1", 0}, {"2", 0}, {"3", 1}, {"4", 0}, {"5", 0}};
inline constexpr SettingOption kRotateOptions[] = {{"normal", 1}, {"rotate", 0}};
inline constexpr SettingOption kTvModeOptions[] = {{"ntsc", 1}, {"pal", 0}};
inline constexpr SettingOption kLightFreqOptions[] = {{"50Hz", 0}, {"60Hz", 1}};
inline constexpr SettingOption kAutoShutdownOptions[] = {{"off", 0},   {"3Min", 1},  {"5Min", 0},
                                                         {"10Min", 0}, {"30Min", 0}, {"60Min", 0}};
inline constexpr SettingOption kDateFmtOptions[] = {{"ymd", 1}, {"mdy", 0}, {"dmy", 0}};
inline constexpr SettingOption kOffOnOptions[] = {{"off", 0}, {"on", 1}};
inline constexpr SettingOption kFormatOptions[] = {{"false", 1}, {"true", 0}};

// ---- the rows ----------------------------------------------------------------------------------

// clang-format off
inline constexpr std::array<SettingRow, kSettingCount> kSettingRows = {{
    // id                      section        name               options               page field                     page shown cfg.ini camera.conf
    {Setting::Mode1,          kSectionMode,   "mode_1",          kMode1Options,        &ModeFields::m_mode1,            5, 5,  0,  0},
    {Setting::Mode2,          kSectionMode,   "mode_2",          kMode2Options,        &ModeFields::m_mode2,            3, 3,  1,  1},
    {Setting::Mode3,          kSectionMode,   "mode_3",          kMode3Options,        &ModeFields::m_mode3,            4, 4,  2,  2},
    {Setting::VideoQuality,   kSectionVideo,  "video_quality",   kQualityOptions,      &VideoFields::m_videoQuality,    3, 3,  3,  3},
    {Setting::Fov,            kSectionVideo,  "fov",             kFovOptions,          &VideoFields::m_fov,             3, 3,  4,  4},
    {Setting::Timelapse,      kSectionVideo,  "timelapse",       kTimelapseOptions,    &VideoFields::m_timelapse,       7, 7,  5,  5},
    {Setting::VideoStamp,     kSectionVideo,  "video_stamp",     kStampOptions,        &VideoFields::m_videoStamp,      4, 4,  6,  6},
    {Setting::MicVol,         kSectionVideo,  "mic_vol",         kMicVolOptions,       &VideoFields::m_micVol,          7, 7,  7,  7},
    {Setting::AutoRec,        kSectionVideo,  "auto_rec",        kAutoRecOptions,      &VideoFields::m_autoRec,         2, 2,  8,  8},
    {Setting::LoopRec,        kSectionVideo,  "loop_rec",        kLoopRecOptions,      &VideoFields::m_loopRec,         4, 4,  9,  9},
    {Setting::RecBeep,        kSectionVideo,  "rec_beep",        kRecBeepOptions,      &VideoFields::m_recBeep,         4, 4, 10, 10},
    {Setting::PhotoQuality,   kSectionPhoto,  "photo_quality",   kQualityOptions,      &PhotoFields::m_photoQuality,    3, 3, 16, 16},
    {Setting::AutoShoot,      kSectionPhoto,  "auto_shoot",      kAutoShootOptions,    &PhotoFields::m_autoShoot,       8, 8, 17, 18},
    {Setting::PhotoStamp,     kSectionPhoto,  "photo_stamp",     kStampOptions,        &PhotoFields::m_photoStamp,      4, 4, 18, 17},
    {Setting::PhotoBurst,     kSectionPhoto,  "photo_burst",     kBurstOptions,        &PhotoFields::m_photoBurst,      5, 4, 19, 19},
    {Setting::ImageMeter,     kSectionImage,  "image_meter",     kMeterOptions,        &ImageFields::m_meter,           3, 3, 11, 11},
    {Setting::ImageIso,       kSectionImage,  "image_iso",       kIsoOptions,          &ImageFields::m_iso,             6, 6, 12, 12},
    {Setting::ImageWb,        kSectionImage,  "image_wb",        kWbOptions,           &ImageFields::m_wb,              4, 4, 13, 13},
    {Setting::ImageEv,        kSectionImage,  "image_ev",        kEvOptions,           &ImageFields::m_ev,             13, 13, 14, 14},
    {Setting::ImageSharpness, kSectionImage,  "image_sharpness", kSharpnessOptions,    &ImageFields::m_sharpness,       5, 5, 15, 15},
    {Setting::SyncClock,      kSectionSystem, "sync_clock",      {},                   &SystemFields::m_syncClock,      0, 0, 20, kNoPosition},
    {Setting::ImageRotate,    kSectionSystem, "image_rotate",    kRotateOptions,       &SystemFields::m_imageRotate,    2, 2, 21, 20},
    {Setting::TvMode,         kSectionSystem, "tvmode",          kTvModeOptions,       &SystemFields::m_tvMode,         2, 2, 22, 21},
    {Setting::LightFreq,      kSectionSystem, "lightfreq",       kLightFreqOptions,    &SystemFields::m_lightFreq,      2, 2, 23, 22},
    {Setting::AutoShutdown,   kSectionSystem, "auto_shutdown",   kAutoShutdownOptions, &SystemFields::m_autoShutdown,   4, 4, 24, 23},
    {Setting::DateFmt,        kSectionSystem, "datefmt",         kDateFmtOptions,      &SystemFields::m_dateFmt,        3, 3, 25, 24},
    {Setting::Osd,            kSectionSystem, "osd",             kOffOnOptions,        &SystemFields::m_osd,            2, 2, 26, 25},
    {Setting::OpBeep,         kSectionSystem, "op_beep",         kOffOnOptions,        &SystemFields::m_opBeep,         2, 2, 27, 26},
    {Setting::Format,         kSectionSystem, "format",          kFormatOptions,       &SystemFields::m_format,         2, 2, 28, 27},
}};
// clang-format on

inline constexpr std::size_t kCameraConfSettingCount = kSettingCount - 1;  // all but the clock

// ---- what is derived from the rows
// ---------------------------------------------------------------

constexpr const SettingRow& RowOf(Setting id) {
    return kSettingRows[static_cast<std::size_t>(id)];
}

// Where the schema keeps the setting: its section, and its place among the section's rows.
constexpr SettingAddress AddressOf(Setting id) {
    const SettingRow& row = RowOf(id);
    int key = 0;
    for (const SettingRow& other : kSettingRows) {
        if (other.id == id)
            break;
        if (other.section == row.section)
            ++key;
    }
    return SettingAddress{row.section, key};
}

// The setting the schema keeps at (section, key); nullopt for an address that holds none.
std::optional<Setting> SettingAt(int section, int key);
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
