// The System page: the clock and format check boxes and seven radio groups.
#pragma once

#include "gui/pages/settings_page.h"
#include "gui/resources/resource_ids.h"

namespace marlix {

class SystemPage : public SettingsPage<SystemFields> {
public:
    static constexpr int kTemplateId = kIddSystemPage;
    static constexpr Page kPage = Page::System;
    // Shown translated (TabControlWidget::addTab).
    static constexpr const char* kTabCaption =
        QT_TRANSLATE_NOOP("marlix::TabControlWidget", "System Setting");

    explicit SystemPage(QWidget* parent = nullptr) : SettingsPage(kTemplateId, parent) {}
};

}  // namespace marlix
