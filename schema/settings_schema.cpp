#include "schema/settings_schema.h"

namespace marlix {

namespace {

constexpr SettingOption kMode1[] = {{"2304x1296p 30", 0}, {"1920x1080p 60", 1},
                                    {"1920x1080p 30", 0}, {"1600x1200p 60", 0},
                                    {"1600x1200p 30", 0}};
constexpr SettingOption kMode2[] = {{"1280x720p 120", 1}, {"1280x720p 60", 0}, {"1280x720p 30", 0}};
constexpr SettingOption kMode3[] = {{"16M", 1}, {"12M", 0}, {"8M", 0}, {"5M", 0}};

constexpr SettingOption kVideoQuality[] = {{"sfine", 1}, {"fine", 0}, {"normal", 0}};
constexpr SettingOption kFov[] = {{"wide", 1}, {"normal", 0}, {"narrow", 0}};
constexpr SettingOption kTimelapse[] = {{"off", 1}, {"1s", 0},  {"2s", 0}, {"5s", 0},
                                        {"10s", 0}, {"30s", 0}, {"60s", 0}};
constexpr SettingOption kVideoStamp[] = {{"off", 1}, {"time", 0}, {"date", 0}, {"Date&Time", 0}};
constexpr SettingOption kMicVol[] = {{"mute", 0}, {"50%", 0}, {"60%", 0}, {"70%", 0},
                                     {"80%", 1},  {"90%", 0}, {"100%", 0}};
constexpr SettingOption kAutoRec[] = {{"off", 1}, {"on", 0}};
constexpr SettingOption kLoopRec[] = {{"off", 0}, {"2min", 0}, {"3min", 0}, {"5min", 1}};
constexpr SettingOption kRecBeep[] = {{"off", 1}, {"5min", 0}, {"10min", 0}, {"15min", 0}};

constexpr SettingOption kPhotoQuality[] = {{"sfine", 1}, {"fine", 0}, {"normal", 0}};
constexpr SettingOption kAutoShoot[] = {{"off", 0}, {"1s", 0},  {"2s", 0},  {"3s", 1},
                                        {"5s", 0},  {"10s", 0}, {"30s", 0}, {"60s", 0}};
constexpr SettingOption kPhotoStamp[] = {{"off", 1}, {"time", 0}, {"date", 0}, {"Date&Time", 0}};
constexpr SettingOption kPhotoBurst[] = {{"off", 1}, {"3p", 0}, {"5p", 0}, {"10p", 0}, {"20p", 0}};

constexpr SettingOption kMeter[] = {{"spot", 0}, {"multi", 0}, {"center", 1}};
constexpr SettingOption kIso[] = {{"auto", 1}, {"100", 0},  {"200", 0}, {"400", 0},
                                  {"800", 0},  {"1600", 0}, {"3200", 0}};
constexpr SettingOption kWb[] = {{"auto", 1}, {"sunny", 0}, {"cloudy", 0}, {"incandescent", 0}};
constexpr SettingOption kEv[] = {{"-2.0", 0}, {"-1.7", 0}, {"-1.3", 0}, {"-1.0", 0}, {"-0.7", 0},
                                 {"-0.3", 0}, {"0.0", 1},  {"+0.3", 0}, {"+0.7", 0}, {"+1.0", 0},
                                 {"+1.3", 0}, {"+1.7", 0}, {"+2.0", 0}};
constexpr SettingOption kSharpness[] = {{"1", 0}, {"2", 0}, {"3", 1}, {"4", 0}, {"5", 0}};

constexpr SettingOption kImageRotate[] = {{"normal", 1}, {"rotate", 0}};
constexpr SettingOption kTvMode[] = {{"ntsc", 1}, {"pal", 0}};
constexpr SettingOption kLightFreq[] = {{"50Hz", 0}, {"60Hz", 1}};
constexpr SettingOption kAutoShutdown[] = {{"off", 0},   {"3Min", 1},  {"5Min", 0},
                                           {"10Min", 0}, {"30Min", 0}, {"60Min", 0}};
constexpr SettingOption kDateFmt[] = {{"ymd", 1}, {"mdy", 0}, {"dmy", 0}};
constexpr SettingOption kOsd[] = {{"off", 0}, {"on", 1}};
constexpr SettingOption kOpBeep[] = {{"off", 0}, {"on", 1}};
constexpr SettingOption kFormat[] = {{"false", 1}, {"true", 0}};

constexpr SettingKey kModeKeys[] = {{"mode_1", kMode1}, {"mode_2", kMode2}, {"mode_3", kMode3}};
constexpr SettingKey kVideoKeys[] = {
    {"video_quality", kVideoQuality}, {"fov", kFov},         {"timelapse", kTimelapse},
    {"video_stamp", kVideoStamp},     {"mic_vol", kMicVol},  {"auto_rec", kAutoRec},
    {"loop_rec", kLoopRec},           {"rec_beep", kRecBeep}};
constexpr SettingKey kPhotoKeys[] = {{"photo_quality", kPhotoQuality},
                                     {"auto_shoot", kAutoShoot},
                                     {"photo_stamp", kPhotoStamp},
                                     {"photo_burst", kPhotoBurst}};
constexpr SettingKey kImageKeys[] = {{"image_meter", kMeter},
                                     {"image_iso", kIso},
                                     {"image_wb", kWb},
                                     {"image_ev", kEv},
                                     {"image_sharpness", kSharpness}};
constexpr SettingKey kSystemKeys[] = {
    {"sync_clock", {}},       {"image_rotate", kImageRotate},   {"tvmode", kTvMode},
    {"lightfreq", kLightFreq}, {"auto_shutdown", kAutoShutdown}, {"datefmt", kDateFmt},
    {"osd", kOsd},            {"op_beep", kOpBeep},             {"format", kFormat}};

}  // namespace

const std::array<SettingSection, 5> SettingsSchema = {{
    {"mode", kModeKeys},
    {"video", kVideoKeys},
    {"photo", kPhotoKeys},
    {"image", kImageKeys},
    {"system", kSystemKeys},
}};

std::string_view KeyName(int section, int key) {
    return SettingsSchema[section].keys[key].name;
}

std::string_view OptionText(int section, int key, OptionIndex index) {
    return SettingsSchema[section].keys[key].options[index].text;
}

OptionIndex DefaultOptionIndex(int section, int key) {
    const auto options = SettingsSchema[section].keys[key].options;
    for (std::size_t i = 0; i < options.size(); ++i) {
        if (options[i].isDefault == 1) return static_cast<OptionIndex>(i);
    }
    return 0;
}

OptionIndex FindOptionIndex(int section, int key, std::string_view text, int count) {
    const auto options = SettingsSchema[section].keys[key].options;
    for (int i = 0; i < count && i < static_cast<int>(options.size()); ++i) {
        if (options[i].text == text) return i;
    }
    return 0;
}

int OptionCount(int section, int key) {
    return static_cast<int>(SettingsSchema[section].keys[key].options.size());
}

}  // namespace marlix
