// The Video page: seven radio groups and the microphone volume slider with its label.
#pragma once

#include "gui/pages/settings_page.h"
#include "gui/resources/resource_ids.h"

namespace marlix {

class VideoPage : public SettingsPage<VideoFields> {
public:
    static constexpr int kTemplateId = kIddVideoPage;
    static constexpr Page kPage = Page::Video;
    // Shown translated (TabControlWidget::addTab).
    static constexpr const char* kTabCaption =
        QT_TRANSLATE_NOOP("marlix::TabControlWidget", "Video Setting");

    explicit VideoPage(QWidget* parent = nullptr) : SettingsPage(kTemplateId, parent) {}

protected:
    bool initialize() override;
};

}  // namespace marlix
