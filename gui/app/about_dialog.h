// The About box: the program's name, version and icon, and an OK button.
#pragma once

#include "gui/layout/template_dialog.h"
#include "gui/resources/resource_ids.h"

namespace marlix {

class AboutDialog : public TemplateDialog {
public:
    static constexpr int kTemplateId = kIddAboutBox;
    explicit AboutDialog(QWidget* parent = nullptr) : TemplateDialog(kTemplateId, parent) {}
};

}  // namespace marlix
