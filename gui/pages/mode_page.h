// The Mode page: the three resolution groups.
#pragma once

#include "gui/pages/settings_page.h"
#include "gui/resources/resource_ids.h"

namespace marlix {

class ModePage : public SettingsPage<ModeFields> {
public:
    static constexpr int kTemplateId = kIddModePage;
    static constexpr Page kPage = Page::Mode;
    static constexpr const char* kTabCaption = "Mode Setting";

    explicit ModePage(QWidget* parent = nullptr) : SettingsPage(kTemplateId, parent) {}
};

}  // namespace marlix
