#include "gui/dialog/data_exchange.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QButtonGroup>

#include "gui/dialog/dialog.h"
#include "gui/dialog/dialog_fault.h"
#include "gui/dialog/window.h"

namespace marlix {

namespace {

[[noreturn]] void Fault(const CDataExchange* pDX, const char* what, int id) {
    DialogFault(pDX->m_pDlgWnd->GetTemplateId(), what, id);
}

}  // namespace

QWidget* CDataExchange::PrepareCtrl(int id) {
    QWidget* control = m_pDlgWnd->GetDlgItem(id);
    if (control == nullptr) {
        Fault(this, "data exchange with a control the template does not have", id);
    }
    return control;
}

void DDX_Radio(CDataExchange* pDX, int firstId, int& value) {
    pDX->PrepareCtrl(firstId);
    const QList<QAbstractButton*> buttons = pDX->m_pDlgWnd->GetRadioGroup(firstId);
    if (buttons.isEmpty()) {
        Fault(pDX, "radio exchange not on the first button of a group", firstId);
    }
    if (pDX->m_bSaveAndValidate) {
        value = -1;
        for (qsizetype i = 0; i < buttons.size(); ++i) {
            if (buttons[i]->isChecked()) {
                value = static_cast<int>(i);
                break;
            }
        }
        return;
    }
    // An exclusive group refuses to uncheck its last checked button, so exclusivity is lifted
    // while the group is written; that is what lets a value without a button clear the group.
    QButtonGroup* group = buttons.front()->group();
    const bool exclusive = group != nullptr && group->exclusive();
    if (group != nullptr) {
        group->setExclusive(false);
    }
    for (qsizetype i = 0; i < buttons.size(); ++i) {
        buttons[i]->setChecked(i == value);
    }
    if (group != nullptr) {
        group->setExclusive(exclusive);
    }
}

void DDX_Check(CDataExchange* pDX, int id, int& value) {
    auto* button = qobject_cast<QAbstractButton*>(pDX->PrepareCtrl(id));
    if (button == nullptr) {
        Fault(pDX, "check exchange with a control that is not a button", id);
    }
    if (pDX->m_bSaveAndValidate) {
        value = button->isChecked() ? 1 : 0;
    } else {
        button->setChecked(value != 0);
    }
}

void DDX_Slider(CDataExchange* pDX, int id, int& value) {
    auto* slider = qobject_cast<QAbstractSlider*>(pDX->PrepareCtrl(id));
    if (slider == nullptr) {
        Fault(pDX, "slider exchange with a control that is not a slider", id);
    }
    if (pDX->m_bSaveAndValidate) {
        value = slider->value();
    } else {
        slider->setValue(value);
    }
}

void DDX_Text(CDataExchange* pDX, int id, QString& value) {
    QWidget* control = pDX->PrepareCtrl(id);
    if (pDX->m_bSaveAndValidate) {
        value = GetWindowText(control);
    } else {
        SetWindowText(control, value);
    }
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    if (control.GetSafeHwnd() != nullptr) {
        return;
    }
    if (!control.Attach(pDX->PrepareCtrl(id))) {
        Fault(pDX, "control object of the wrong kind for the control", id);
    }
}

}  // namespace marlix
