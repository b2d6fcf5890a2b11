// The Mode page: the three resolution groups.
#pragma once

#include "gui/pages/settings_page.h"
#include "gui/resources/resource_ids.h"

namespace marlix {

class ModePage : public SettingsPage<ModeFields> {
public:
    static constexpr int kTemplateId = kIddModePage;
    static constexpr Page kPage = Page::Mode;
    // Shown translated (TabControlWidget::addTab).
    static constexpr const char* kTabCaption =
        QT_TRANSLATE_NOOP("marlix::TabControlWidget", "Mode Setting");

    explicit ModePage(QWidget* parent = nullptr) : SettingsPage(kTemplateId, parent) {}
};

}  // namespace marlix
