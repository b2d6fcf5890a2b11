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
    // A name to show in the field, selected, when the dialog opens: the one just refused, so
    // that it can be mended rather than typed again.
    void offerName(const QString& name) { m_offered = name; }

protected:
    bool initialize() override;

private:
    QString m_offered;
};

}  // namespace marlix
