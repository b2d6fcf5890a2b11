// Handlers of a dialog class connected to its controls' signals, and the routing of OK and
// Cancel, which also arrive by Enter, Escape and the close box.
#include "platform/dialog/dialog.h"
#include "platform/dialog/dialog_fault.h"

namespace marlix {

void CDialog::bindCommand(int code, int id, std::function<void()> handler) {
    // The first handler named for a notification is the one that runs.
    if (!m_mapped.insert({code, id}).second) {
        return;
    }
    QWidget* control = GetDlgItem(id);
    if (control == nullptr) {
        DialogFault(m_templateId, "command entry for a control the template does not have", id);
    }
    if (code == BN_CLICKED) {
        auto* button = qobject_cast<QAbstractButton*>(control);
        if (button == nullptr) {
            DialogFault(m_templateId, "BN_CLICKED entry for a control that is not a button", id);
        }
        m_clickHandlers.emplace(id, std::move(handler));
        connect(button, &QAbstractButton::clicked, this, [this, id] { dispatchCommand(id); });
    } else if (code == LBN_SELCHANGE) {
        auto* list = qobject_cast<ListBoxWidget*>(control);
        if (list == nullptr) {
            DialogFault(m_templateId, "LBN_SELCHANGE entry for a control that is not a list box",
                        id);
        }
        connect(list, &ListBoxWidget::selChange, this, std::move(handler));
    } else {
        DialogFault(m_templateId, "command entry with a notification no control sends", id);
    }
}

void CDialog::bindNotify(int code, int id, std::function<void(NMHDR*, LRESULT*)> handler) {
    if (!m_mapped.insert({code, id}).second) {
        return;
    }
    QWidget* control = GetDlgItem(id);
    if (control == nullptr) {
        DialogFault(m_templateId, "notify entry for a control the template does not have", id);
    }
    if (code == NM_CUSTOMDRAW) {
        auto* slider = qobject_cast<SliderWidget*>(control);
        if (slider == nullptr) {
            DialogFault(m_templateId, "NM_CUSTOMDRAW entry for a control that is not a slider", id);
        }
        connect(slider, &SliderWidget::customDraw, this, [slider, id, code, handler] {
            NMHDR header{slider, id, code};
            LRESULT result = 0;
            handler(&header, &result);
        });
    } else if (code == TCN_SELCHANGE) {
        auto* tabs = qobject_cast<TabControlWidget*>(control);
        if (tabs == nullptr) {
            DialogFault(m_templateId, "TCN_SELCHANGE entry for a control that is not a tab control",
                        id);
        }
        connect(tabs, &TabControlWidget::selChange, this, [tabs, id, code, handler] {
            NMHDR header{tabs, id, code};
            LRESULT result = 0;
            handler(&header, &result);
        });
    } else if (code == LVN_ITEMCHANGED) {
        auto* list = qobject_cast<ListViewWidget*>(control);
        if (list == nullptr) {
            DialogFault(m_templateId, "LVN_ITEMCHANGED entry for a control that is not a list view",
                        id);
        }
        connect(list, &ListViewWidget::itemChanged, this,
                [list, id, code, handler](int item, unsigned newState, unsigned oldState,
                                          unsigned changed) {
                    NMLISTVIEW record;
                    record.hdr = NMHDR{list, id, code};
                    record.iItem = item;
                    record.uNewState = newState;
                    record.uOldState = oldState;
                    record.uChanged = changed;
                    LRESULT result = 0;
                    handler(&record.hdr, &result);
                });
    } else {
        DialogFault(m_templateId, "notify entry with a notification no control sends", id);
    }
}

void CDialog::connectStandardButtons() {
    // OK and Cancel reach OnOK and OnCancel unless the dialog class connects them itself.
    for (int id : {IDOK, IDCANCEL}) {
        if (m_clickHandlers.count(id) != 0) {
            continue;
        }
        if (auto* button = qobject_cast<QAbstractButton*>(GetDlgItem(id))) {
            connect(button, &QAbstractButton::clicked, this, [this, id] { dispatchCommand(id); });
        }
    }
}

void CDialog::dispatchCommand(int id) {
    const auto handler = m_clickHandlers.find(id);
    if (handler != m_clickHandlers.end()) {
        handler->second();
    } else if (id == IDOK) {
        OnOK();
    } else if (id == IDCANCEL) {
        OnCancel();
    }
}

}  // namespace marlix
