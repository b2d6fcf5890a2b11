// The selection fields of the five settings pages. They exist before any window does: the page
// classes inherit them, and the profile store, the export and marlix-cli work on them directly,
// through the setting rows (schema/setting_rows.h) that say which field holds which setting.
#pragma once

#include <cstddef>
#include <cstdint>

namespace marlix {

// The five settings pages, in the order of their tabs in the window.
enum class Page : std::uint8_t { Mode, Video, Photo, System, Image };
inline constexpr std::size_t kPageCount = 5;
constexpr std::size_t TabIndex(Page page) {
    return static_cast<std::size_t>(page);
}

struct ModeFields {
    int m_mode1 = 0;
    int m_mode2 = 0;
    int m_mode3 = 0;
    bool operator==(const ModeFields&) const = default;
};

struct VideoFields {
    int m_videoQuality = 0;
    int m_fov = 0;
    int m_timelapse = 0;
    int m_videoStamp = 0;
    int m_micVol = 0;
    int m_autoRec = 0;
    int m_loopRec = 0;
    int m_recBeep = 0;
    bool operator==(const VideoFields&) const = default;
};

struct ImageFields {
    int m_meter = 0;
    int m_iso = 0;
    int m_wb = 0;
    int m_ev = 0;
    int m_sharpness = 0;
    bool operator==(const ImageFields&) const = default;
};

// Which of burst and auto shoot was switched on last. Not part of a stored profile.
inline constexpr std::uint8_t kInterlockBurst = 1;
inline constexpr std::uint8_t kInterlockAutoShoot = 2;

struct PhotoFields {
    std::uint8_t m_photoInterlock = 0;
    int m_photoQuality = 0;
    int m_autoShoot = 0;
    int m_photoStamp = 0;
    int m_photoBurst = 0;
    bool operator==(const PhotoFields&) const = default;
};

struct SystemFields {
    int m_syncClock = 0;  // a 0/1 flag, not an OptionIndex
    int m_osd = 0;
    int m_imageRotate = 0;
    int m_tvMode = 0;
    int m_lightFreq = 0;
    int m_autoShutdown = 0;
    int m_dateFmt = 0;
    int m_format = 0;
    int m_opBeep = 0;
    bool operator==(const SystemFields&) const = default;
};

// One value per schema key plus the sync-clock flag (and the Photo interlock flags, which only
// the window sets).
// The pages' structs are in tab order (Page).
struct ProfileSelections {
    ModeFields mode;
    VideoFields video;
    PhotoFields photo;
    SystemFields system;
    ImageFields image;
    bool operator==(const ProfileSelections&) const = default;
};

}  // namespace marlix
