// Looking at a dialog's buttons from a Qt test.
#pragma once

#include <QAbstractButton>
#include <QList>
#include <span>

#include "gui/layout/template_dialog.h"

namespace marlix::test_support {

// The button with that control ID; nullptr when the control is missing or not a button.
inline QAbstractButton* Button(const TemplateDialog& dialog, int id) {
    return qobject_cast<QAbstractButton*>(dialog.control(id));
}

// The IDs among ids whose buttons are checked, in the order given.
inline QList<int> CheckedIds(const TemplateDialog& dialog, std::span<const int> ids) {
    QList<int> checked;
    for (int id : ids) {
        if (Button(dialog, id)->isChecked()) {
            checked.append(id);
        }
    }
    return checked;
}

// Whether every one of the buttons is enabled (or, with enabled false, disabled).
inline bool AllEnabled(const TemplateDialog& dialog, std::span<const int> ids, bool enabled) {
    for (int id : ids) {
        if (dialog.control(id)->isEnabled() != enabled) {
            return false;
        }
    }
    return true;
}

}  // namespace marlix::test_support
