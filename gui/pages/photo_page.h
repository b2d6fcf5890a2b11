// The Photo page: quality, auto shoot, stamp and burst groups, with the interlock that keeps
// burst shooting and auto shoot from being switched on together.
#pragma once

#include "gui/pages/settings_page.h"
#include "gui/resources/resource_ids.h"

namespace marlix {

class PhotoPage : public SettingsPage<PhotoFields> {
public:
    static constexpr int kTemplateId = kIddPhotoPage;
    static constexpr Page kPage = Page::Photo;
    // Shown translated (TabControlWidget::addTab).
    static constexpr const char* kTabCaption =
        QT_TRANSLATE_NOOP("marlix::TabControlWidget", "Photo Setting");

    explicit PhotoPage(QWidget* parent = nullptr) : SettingsPage(kTemplateId, parent) {}

protected:
    bool initialize() override;

private:
    void onBurstChosen();
    void onAutoShootChosen();
};

}  // namespace marlix
