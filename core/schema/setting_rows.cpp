#include "core/schema/setting_rows.h"

#include <cassert>
#include <type_traits>

namespace marlix {

namespace {

// ---- the option texts, as the camera spells them ---------------------------------------------

constexpr SettingOption kMode1Options[] = {{"2304x1296p 30", 0},
                                           {"1920x1080p 60", 1},
                                           {"1920x1080p 30", 0},
                                           {"1600x1200p 60", 0},
                                           {"1600x1200p 30", 0}};
constexpr SettingOption kMode2Options[] = {
    {"1280x720p 120", 1}, {"1280x720p 60", 0}, {"1280x720p 30", 0}};
constexpr SettingOption kMode3Options[] = {{"16M", 1}, {"12M", 0}, {"8M", 0}, {"5M", 0}};
constexpr SettingOption kQualityOptions[] = {{"sfine", 1}, {"fine", 0}, {"normal", 0}};
constexpr SettingOption kFovOptions[] = {{"wide", 1}, {"normal", 0}, {"narrow", 0}};
constexpr SettingOption kTimelapseOptions[] = {{"off", 1}, {"1s", 0},  {"2s", 0}, {"5s", 0},
                                               {"10s", 0}, {"30s", 0}, {"60s", 0}};
constexpr SettingOption kStampOptions[] = {{"off", 1}, {"time", 0}, {"date", 0}, {"Date&Time", 0}};
constexpr SettingOption kMicVolOptions[] = {{"mute", 0}, {"50%", 0}, {"60%", 0}, {"70%", 0},
                                            {"80%", 1},  {"90%", 0}, {"100%", 0}};
constexpr SettingOption kAutoRecOptions[] = {{"off", 1}, {"on", 0}};
constexpr SettingOption kLoopRecOptions[] = {{"off", 0}, {"2min", 0}, {"3min", 0}, {"5min", 1}};
constexpr SettingOption kRecBeepOptions[] = {{"off", 1}, {"5min", 0}, {"10min", 0}, {"15min", 0}};
constexpr SettingOption kAutoShootOptions[] = {{"off", 0}, {"1s", 0},  {"2s", 0},  {"3s", 1},
                                               {"5s", 0},  {"10s", 0}, {"30s", 0}, {"60s", 0}};
constexpr SettingOption kBurstOptions[] = {
    {"off", 1}, {"3p", 0}, {"5p", 0}, {"10p", 0}, {"20p", 0}};
constexpr SettingOption kMeterOptions[] = {{"spot", 0}, {"multi", 0}, {"center", 1}};
constexpr SettingOption kIsoOptions[] = {{"auto", 1}, {"100", 0},  {"200", 0}, {"400", 0},
                                         {"800", 0},  {"1600", 0}, {"3200", 0}};
constexpr SettingOption kWbOptions[] = {
    {"auto", 1}, {"sunny", 0}, {"cloudy", 0}, {"incandescent", 0}};
constexpr SettingOption kEvOptions[] = {
    {"-2.0", 0}, {"-1.7", 0}, {"-1.3", 0}, {"-1.0", 0}, {"-0.7", 0}, {"-0.3", 0}, {"0.0", 1},
    {"+0.3", 0}, {"+0.7", 0}, {"+1.0", 0}, {"+1.3", 0}, {"+1.7", 0}, {"+2.0", 0}};
constexpr SettingOption kSharpnessOptions[] = {{"1", 0}, {"2", 0}, {"3", 1}, {"4", 0}, {"5", 0}};
constexpr SettingOption kRotateOptions[] = {{"normal", 1}, {"rotate", 0}};
constexpr SettingOption kTvModeOptions[] = {{"ntsc", 1}, {"pal", 0}};
constexpr SettingOption kLightFreqOptions[] = {{"50Hz", 0}, {"60Hz", 1}};
constexpr SettingOption kAutoShutdownOptions[] = {{"off", 0},   {"3Min", 1},  {"5Min", 0},
                                                  {"10Min", 0}, {"30Min", 0}, {"60Min", 0}};
constexpr SettingOption kDateFmtOptions[] = {{"ymd", 1}, {"mdy", 0}, {"dmy", 0}};
constexpr SettingOption kOffOnOptions[] = {{"off", 0}, {"on", 1}};
constexpr SettingOption kFormatOptions[] = {{"false", 1}, {"true", 0}};

// ---- the rows ----------------------------------------------------------------------------------

// clang-format off
constexpr std::array<SettingRow, kSettingCount> kRows = {{
    // id                      page           name               options               page field                     page shown cfg.ini camera.conf
    {Setting::Mode1,          Page::Mode,     "mode_1",          kMode1Options,        &ModeFields::m_mode1,            5, 5,  0,  0},
    {Setting::Mode2,          Page::Mode,     "mode_2",          kMode2Options,        &ModeFields::m_mode2,            3, 3,  1,  1},
    {Setting::Mode3,          Page::Mode,     "mode_3",          kMode3Options,        &ModeFields::m_mode3,            4, 4,  2,  2},
    {Setting::VideoQuality,   Page::Video,    "video_quality",   kQualityOptions,      &VideoFields::m_videoQuality,    3, 3,  3,  3},
    {Setting::Fov,            Page::Video,    "fov",             kFovOptions,          &VideoFields::m_fov,             3, 3,  4,  4},
    {Setting::Timelapse,      Page::Video,    "timelapse",       kTimelapseOptions,    &VideoFields::m_timelapse,       7, 7,  5,  5},
    {Setting::VideoStamp,     Page::Video,    "video_stamp",     kStampOptions,        &VideoFields::m_videoStamp,      4, 4,  6,  6},
    {Setting::MicVol,         Page::Video,    "mic_vol",         kMicVolOptions,       &VideoFields::m_micVol,          7, 7,  7,  7},
    {Setting::AutoRec,        Page::Video,    "auto_rec",        kAutoRecOptions,      &VideoFields::m_autoRec,         2, 2,  8,  8},
    {Setting::LoopRec,        Page::Video,    "loop_rec",        kLoopRecOptions,      &VideoFields::m_loopRec,         4, 4,  9,  9},
    {Setting::RecBeep,        Page::Video,    "rec_beep",        kRecBeepOptions,      &VideoFields::m_recBeep,         4, 4, 10, 10},
    {Setting::PhotoQuality,   Page::Photo,    "photo_quality",   kQualityOptions,      &PhotoFields::m_photoQuality,    3, 3, 16, 16},
    {Setting::AutoShoot,      Page::Photo,    "auto_shoot",      kAutoShootOptions,    &PhotoFields::m_autoShoot,       8, 8, 17, 18},
    {Setting::PhotoStamp,     Page::Photo,    "photo_stamp",     kStampOptions,        &PhotoFields::m_photoStamp,      4, 4, 18, 17},
    {Setting::PhotoBurst,     Page::Photo,    "photo_burst",     kBurstOptions,        &PhotoFields::m_photoBurst,      5, 4, 19, 19},
    {Setting::ImageMeter,     Page::Image,    "image_meter",     kMeterOptions,        &ImageFields::m_meter,           3, 3, 11, 11},
    {Setting::ImageIso,       Page::Image,    "image_iso",       kIsoOptions,          &ImageFields::m_iso,             6, 6, 12, 12},
    {Setting::ImageWb,        Page::Image,    "image_wb",        kWbOptions,           &ImageFields::m_wb,              4, 4, 13, 13},
    {Setting::ImageEv,        Page::Image,    "image_ev",        kEvOptions,           &ImageFields::m_ev,             13, 13, 14, 14},
    {Setting::ImageSharpness, Page::Image,    "image_sharpness", kSharpnessOptions,    &ImageFields::m_sharpness,       5, 5, 15, 15},
    {Setting::SyncClock,      Page::System,   "sync_clock",      {},                   &SystemFields::m_syncClock,      0, 0, 20, kNoPosition},
    {Setting::ImageRotate,    Page::System,   "image_rotate",    kRotateOptions,       &SystemFields::m_imageRotate,    2, 2, 21, 20},
    {Setting::TvMode,         Page::System,   "tvmode",          kTvModeOptions,       &SystemFields::m_tvMode,         2, 2, 22, 21},
    {Setting::LightFreq,      Page::System,   "lightfreq",       kLightFreqOptions,    &SystemFields::m_lightFreq,      2, 2, 23, 22},
    {Setting::AutoShutdown,   Page::System,   "auto_shutdown",   kAutoShutdownOptions, &SystemFields::m_autoShutdown,   4, 4, 24, 23},
    {Setting::DateFmt,        Page::System,   "datefmt",         kDateFmtOptions,      &SystemFields::m_dateFmt,        3, 3, 25, 24},
    {Setting::Osd,            Page::System,   "osd",             kOffOnOptions,        &SystemFields::m_osd,            2, 2, 26, 25},
    {Setting::OpBeep,         Page::System,   "op_beep",         kOffOnOptions,        &SystemFields::m_opBeep,         2, 2, 27, 26},
    {Setting::Format,         Page::System,   "format",          kFormatOptions,       &SystemFields::m_format,         2, 2, 28, 27},
}};
// clang-format on

constexpr bool rowsAreInSettingOrder() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (static_cast<std::size_t>(kRows[i].id) != i)
            return false;
    }
    return true;
}
static_assert(rowsAreInSettingOrder(), "kRows must list the settings in enum order");

// Every place from 0 to count - 1 taken by exactly one row.
constexpr bool positionsAreAPermutation(int SettingRow::*position, std::size_t count) {
    std::array<int, kSettingCount> taken{};
    std::size_t used = 0;
    for (const SettingRow& row : kRows) {
        const int at = row.*position;
        if (at == kNoPosition)
            continue;
        if (at < 0 || static_cast<std::size_t>(at) >= count || taken[at]++ != 0)
            return false;
        ++used;
    }
    return used == count;
}
static_assert(positionsAreAPermutation(&SettingRow::profilePosition, kSettingCount));
static_assert(positionsAreAPermutation(&SettingRow::cameraConfPosition, kCameraConfSettingCount));

constexpr bool countsFitTheOptions() {
    for (const SettingRow& row : kRows) {
        if (row.shownOptions > row.pageOptions ||
            row.pageOptions > static_cast<int>(row.options.size()))
            return false;
    }
    return true;
}
static_assert(countsFitTheOptions());

template <std::size_t N>
constexpr std::array<Setting, N> orderedBy(int SettingRow::*position) {
    std::array<Setting, N> order{};
    for (const SettingRow& row : kRows) {
        if (row.*position != kNoPosition)
            order[static_cast<std::size_t>(row.*position)] = row.id;
    }
    return order;
}

template <typename Selections>
auto& fieldOf(Selections& s, Setting id) {
    return std::visit(
        [&](auto member) -> auto& {
            if constexpr (std::is_same_v<decltype(member), int ModeFields::*>)
                return s.mode.*member;
            else if constexpr (std::is_same_v<decltype(member), int VideoFields::*>)
                return s.video.*member;
            else if constexpr (std::is_same_v<decltype(member), int ImageFields::*>)
                return s.image.*member;
            else if constexpr (std::is_same_v<decltype(member), int PhotoFields::*>)
                return s.photo.*member;
            else
                return s.system.*member;
        },
        RowOf(id).field);
}

}  // namespace

constinit const std::span<const SettingRow, kSettingCount> kSettingRows = kRows;

const SettingRow& RowOf(Setting id) {
    return kRows[static_cast<std::size_t>(id)];
}

const std::array<Setting, kSettingCount> kProfileSaveOrder =
    orderedBy<kSettingCount>(&SettingRow::profilePosition);
const std::array<Setting, kCameraConfSettingCount> kCameraConfOrder =
    orderedBy<kCameraConfSettingCount>(&SettingRow::cameraConfPosition);

std::optional<Setting> FindSetting(std::string_view name) {
    for (const SettingRow& row : kRows) {
        if (row.name == name)
            return row.id;
    }
    return std::nullopt;
}

int OptionCount(Setting id, OptionScope scope) {
    const SettingRow& row = RowOf(id);
    switch (scope) {
        case OptionScope::Camera:
            return static_cast<int>(row.options.size());
        case OptionScope::Page:
            return row.pageOptions;
        case OptionScope::Shown:
            return row.shownOptions;
    }
    return 0;
}

std::optional<OptionIndex> FindOption(Setting id, std::string_view text, OptionScope scope) {
    const auto options = RowOf(id).options;
    for (int i = 0; i < OptionCount(id, scope); ++i) {
        if (options[static_cast<std::size_t>(i)].text == text)
            return i;
    }
    return std::nullopt;
}

std::string_view OptionText(Setting id, OptionIndex index) {
    assert(index >= 0 && index < OptionCount(id, OptionScope::Camera));
    return RowOf(id).options[static_cast<std::size_t>(index)].text;
}

OptionIndex DefaultOptionIndex(Setting id) {
    const auto options = RowOf(id).options;
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i].isDefault == 1)
            return static_cast<OptionIndex>(i);
    }
    return 0;
}

int& SelectionField(ProfileSelections& selections, Setting id) {
    return fieldOf(selections, id);
}

int SelectionField(const ProfileSelections& selections, Setting id) {
    return fieldOf(selections, id);
}

ProfileSelections DefaultSelections() {
    ProfileSelections s;
    for (const SettingRow& row : kRows) {
        // The clock flag is the one setting without options; a new profile has it set.
        SelectionField(s, row.id) = row.options.empty() ? 1 : DefaultOptionIndex(row.id);
    }
    return s;
}

}  // namespace marlix
