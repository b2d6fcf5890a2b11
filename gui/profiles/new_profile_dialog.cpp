#include "gui/profiles/new_profile_dialog.h"

#include <QLabel>
#include <QLineEdit>

namespace marlix {

QString NewProfileDialog::name() const {
    return control<QLineEdit>(kIdcProfileName)->text();
}

bool NewProfileDialog::initialize() {
    auto* field = control<QLineEdit>(kIdcProfileName);
    control<QLabel>(kIdcProfileNameLabel)->setBuddy(field);
    field->setText(m_offered);
    field->selectAll();
    field->setFocus(Qt::OtherFocusReason);
    return false;  // the focus stays in the name field
}

}  // namespace marlix
