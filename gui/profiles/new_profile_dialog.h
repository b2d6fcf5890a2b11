// The New Profile dialog: one edit field for the name, OK and Cancel.
#pragma once

#include <QString>

#include "gui/layout/template_dialog.h"
#include "gui/resources/resource_ids.h"

namespace marlix {

class NewProfileDialog : public TemplateDialog {
    Q_OBJECT
public:
    static constexpr int kTemplateId = kIddNewProfile;
    explicit NewProfileDialog(QWidget* parent = nullptr) : TemplateDialog(kTemplateId, parent) {}

    // What was typed into the name field.
    QString name() const;

protected:
    bool initialize() override;
};

}  // namespace marlix
