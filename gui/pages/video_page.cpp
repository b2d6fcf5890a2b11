#include "gui/pages/video_page.h"

#include <QLabel>

#include "core/pages/page_logic.h"
#include "gui/layout/slider.h"

namespace marlix {

bool VideoPage::initialize() {
    ShowPositionAs(*control<SliderWidget>(kIdcMicVolSlider), 6, *control<QLabel>(kIdcMicVolText),
                   MicVolumeText);
    return SettingsPage::initialize();
}

}  // namespace marlix
