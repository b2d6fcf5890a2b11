#include "pages/page_fields.h"

#include <cassert>

namespace marlix {

namespace {

template <typename Selections>
auto& fieldOf(Selections& s, int section, int key) {
    switch (section) {
        case kSectionMode:
            switch (key) {
                case 0: return s.mode.m_mode1;
                case 1: return s.mode.m_mode2;
                case 2: return s.mode.m_mode3;
            }
            break;
        case kSectionVideo:
            switch (key) {
                case 0: return s.video.m_videoQuality;
                case 1: return s.video.m_fov;
                case 2: return s.video.m_timelapse;
                case 3: return s.video.m_videoStamp;
                case 4: return s.video.m_micVol;
                case 5: return s.video.m_autoRec;
                case 6: return s.video.m_loopRec;
                case 7: return s.video.m_recBeep;
            }
            break;
        case kSectionPhoto:
            switch (key) {
                case 0: return s.photo.m_photoQuality;
                case 1: return s.photo.m_autoShoot;
                case 2: return s.photo.m_photoStamp;
                case 3: return s.photo.m_photoBurst;
            }
            break;
        case kSectionImage:
            switch (key) {
                case 0: return s.image.m_meter;
                case 1: return s.image.m_iso;
                case 2: return s.image.m_wb;
                case 3: return s.image.m_ev;
                case 4: return s.image.m_sharpness;
            }
            break;
        case kSectionSystem:
            switch (key) {
                case 0: return s.system.m_syncClock;
                case 1: return s.system.m_imageRotate;
                case 2: return s.system.m_tvMode;
                case 3: return s.system.m_lightFreq;
                case 4: return s.system.m_autoShutdown;
                case 5: return s.system.m_dateFmt;
                case 6: return s.system.m_osd;
                case 7: return s.system.m_opBeep;
                case 8: return s.system.m_format;
            }
            break;
    }
    assert(false && "no such setting");
    return s.mode.m_mode1;
}

}  // namespace

int& SelectionField(ProfileSelections& selections, int section, int key) {
    return fieldOf(selections, section, key);
}

int SelectionField(const ProfileSelections& selections, int section, int key) {
    return fieldOf(selections, section, key);
}

const std::array<SettingAddress, 29> kProfileSaveOrder = {{
    {0, 0}, {0, 1}, {0, 2},                                                  // mode
    {1, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 7},          // video
    {3, 0}, {3, 1}, {3, 2}, {3, 3}, {3, 4},                                  // image
    {2, 0}, {2, 1}, {2, 2}, {2, 3},                                          // photo
    {4, 0}, {4, 1}, {4, 2}, {4, 3}, {4, 4}, {4, 5}, {4, 6}, {4, 7}, {4, 8},  // system
}};

const std::array<SettingAddress, 28> kCameraConfOrder = {{
    {0, 0}, {0, 1}, {0, 2},                                          // mode
    {1, 0}, {1, 1}, {1, 2}, {1, 3}, {1, 4}, {1, 5}, {1, 6}, {1, 7},  // video
    {3, 0}, {3, 1}, {3, 2}, {3, 3}, {3, 4},                          // image
    {2, 0}, {2, 2}, {2, 1}, {2, 3},                                  // photo: stamp before shoot
    {4, 1}, {4, 2}, {4, 3}, {4, 4}, {4, 5}, {4, 6}, {4, 7}, {4, 8},  // system, no sync_clock
}};

ProfileSelections DefaultSelections() {
    ProfileSelections s;
    for (const SettingAddress& a : kProfileSaveOrder) {
        SelectionField(s, a.section, a.key) =
            (a.section == kSectionSystem && a.key == kSyncClockKey)
                ? 1
                : DefaultOptionIndex(a.section, a.key);
    }
    return s;
}

int ReadBackOptionCount(int section, int key) {
    if (section == kSectionImage && key == 1) return 6;   // image_iso: "auto" to "1600"
    if (section == kSectionSystem && key == 4) return 4;  // auto_shutdown: "off" to "10Min"
    return OptionCount(section, key);
}

}  // namespace marlix
