// The binding of a page's settings to its widgets: every control of the page's template that
// names a setting (the first button of a radio group, a check box, a slider) shows that setting's
// field of the page's field struct. ShowSettings moves the fields into the widgets, ReadSettings
// the widgets into the fields; a page needs no code per setting.
#pragma once

#include <variant>

#include "core/schema/setting_rows.h"
#include "gui/layout/dialog_fault.h"
#include "gui/layout/template_dialog.h"

namespace marlix {

// What the control shows: the position of the checked button of a radio group (-1 for none), 1
// or 0 for a check box, a slider's position.
int ShownValue(const TemplateDialog& dialog, const ControlTemplate& control);
// Shows value in the control. A radio value without a button clears the group; a slider limits
// it to its range. The radio group stays silent: a value shown is not a choice of the user, and
// what reacts to the user's choices (the Photo rule) must not run for it.
void ShowValue(const TemplateDialog& dialog, const ControlTemplate& control, int value);

// f(control, field) for every control of the dialog's template that names a setting.
template <typename Fields, typename F>
void ForEachBoundControl(const TemplateDialog& dialog, F&& f) {
    const DialogTemplate* dialogTemplate = dialog.dialogTemplate();
    if (dialogTemplate == nullptr || !dialog.isBuilt())
        return;
    for (const ControlTemplate& control : dialogTemplate->controls) {
        if (control.setting == kNoSetting)
            continue;
        const SettingRow& row = RowOf(static_cast<Setting>(control.setting));
        const auto field = std::get_if<int Fields::*>(&row.field);
        if (field == nullptr)
            DialogFault(dialogTemplate->id, "shows a setting of another page on control",
                        control.id);
        f(control, *field);
    }
}

template <typename Fields>
void ShowSettings(const TemplateDialog& dialog, const Fields& fields) {
    ForEachBoundControl<Fields>(dialog, [&](const ControlTemplate& control, int Fields::*field) {
        ShowValue(dialog, control, fields.*field);
    });
}

template <typename Fields>
void ReadSettings(const TemplateDialog& dialog, Fields& fields) {
    ForEachBoundControl<Fields>(dialog, [&](const ControlTemplate& control, int Fields::*field) {
        fields.*field = ShownValue(dialog, control);
    });
}

}  // namespace marlix
