#include "gui/pages/video_page.h"

#include <QLabel>

#include "core/pages/page_logic.h"
#include "gui/layout/slider.h"

namespace marlix {

// The one word among the microphone volume's positions, for lupdate (ShowPositionAs translates).
[[maybe_unused]] constexpr const char* kMuteText = QT_TRANSLATE_NOOP("SliderPosition", "Mute");

bool VideoPage::initialize() {
    ShowPositionAs(*control<SliderWidget>(kIdcMicVolSlider), 6, *control<QLabel>(kIdcMicVolText),
                   MicVolumeText);
    return SettingsPage::initialize();
}

}  // namespace marlix
