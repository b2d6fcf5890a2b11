#include "gui/pages/image_page.h"

#include <QLabel>

#include "core/pages/page_logic.h"
#include "gui/layout/slider.h"

namespace marlix {

bool ImagePage::initialize() {
    ShowPositionAs(*control<SliderWidget>(kIdcEvSlider), 12, *control<QLabel>(kIdcEvText), EvText);
    ShowPositionAs(*control<SliderWidget>(kIdcSharpnessSlider), 4,
                   *control<QLabel>(kIdcSharpnessText), SharpnessText);
    return SettingsPage::initialize();
}

}  // namespace marlix
