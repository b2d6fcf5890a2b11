#include "gui/profiles/new_profile_dialog.h"

#include <QLineEdit>

namespace marlix {

QString NewProfileDialog::name() const {
    return control<QLineEdit>(kIdcProfileName)->text();
}

bool NewProfileDialog::initialize() {
    control(kIdcProfileName)->setFocus(Qt::OtherFocusReason);
    return false;  // the focus stays in the name field
}

}  // namespace marlix
