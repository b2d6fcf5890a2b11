// The data exchange of the settings a page shows: every control of the page's template that
// names a setting is exchanged with that setting's field, so a page's DoDataExchange needs no line
// per setting.
#pragma once

#include "core/schema/setting_rows.h"
#include "gui/dialog/data_exchange.h"
#include "gui/dialog/dialog.h"
#include "gui/dialog/dialog_fault.h"

namespace marlix {

template <typename Fields>
void DDX_Settings(CDataExchange* pDX, Fields& fields) {
    const int templateId = pDX->m_pDlgWnd->GetTemplateId();
    const DialogTemplate* dialogTemplate = FindDialogTemplate(templateId);
    if (dialogTemplate == nullptr)
        return;
    for (const ControlTemplate& control : dialogTemplate->controls) {
        if (control.setting == kNoSetting)
            continue;
        const SettingRow& row = RowOf(static_cast<Setting>(control.setting));
        const auto member = std::get_if<int Fields::*>(&row.field);
        if (member == nullptr)
            DialogFault(templateId, "shows a setting of another page on control", control.id);
        int& field = fields.**member;
        switch (control.kind) {
            case ControlKind::RadioButton:
                DDX_Radio(pDX, control.id, field);
                break;
            case ControlKind::CheckBox:
                DDX_Check(pDX, control.id, field);
                break;
            case ControlKind::Slider:
                DDX_Slider(pDX, control.id, field);
                break;
            default:
                DialogFault(templateId, "cannot show a setting on control", control.id);
        }
    }
}

}  // namespace marlix
