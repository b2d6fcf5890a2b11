// The Image page: metering, ISO and white balance groups, and the EV and sharpness sliders with
// their labels.
#pragma once

#include "gui/pages/settings_page.h"
#include "gui/resources/resource_ids.h"

namespace marlix {

class ImagePage : public SettingsPage<ImageFields> {
public:
    static constexpr int kTemplateId = kIddImagePage;
    static constexpr Page kPage = Page::Image;
    // Shown translated (TabControlWidget::addTab).
    static constexpr const char* kTabCaption =
        QT_TRANSLATE_NOOP("marlix::TabControlWidget", "Image Setting");

    explicit ImagePage(QWidget* parent = nullptr) : SettingsPage(kTemplateId, parent) {}

protected:
    bool initialize() override;
};

}  // namespace marlix
