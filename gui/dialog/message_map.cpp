// Handlers of a dialog class connected to its controls' signals, and the routing of OK and
// Cancel, which also arrive by Enter, Escape and the close box.
#include "gui/dialog/dialog.h"
#include "gui/dialog/dialog_fault.h"

namespace marlix {

namespace {

// The control as the kind of widget a handler needs; a DialogFault for another kind.
template <class Widget>
Widget* ControlAs(QWidget* control, int templateId, int id, const char* fault) {
    auto* widget = qobject_cast<Widget*>(control);
    if (widget == nullptr) {
        DialogFault(templateId, fault, id);
    }
    return widget;
}

}  // namespace

QWidget* CDialog::controlToMap(int code, int id, const char* fault) {
    // The first handler named for a notification is the one that runs.
    if (!m_mapped.insert({code, id}).second) {
        return nullptr;
    }
    QWidget* control = GetDlgItem(id);
    if (control == nullptr) {
        DialogFault(m_templateId, fault, id);
    }
    return control;
}

void CDialog::bindCommand(int code, int id, std::function<void()> handler) {
    QWidget* control =
        controlToMap(code, id, "command entry for a control the template does not have");
    if (control == nullptr) {
        return;
    }
    if (code == BN_CLICKED) {
        auto* button = ControlAs<QAbstractButton>(
            control, m_templateId, id, "BN_CLICKED entry for a control that is not a button");
        m_clickHandlers.emplace(id, std::move(handler));
        connect(button, &QAbstractButton::clicked, this, [this, id] { dispatchCommand(id); });
    } else if (code == LBN_SELCHANGE) {
        auto* list = ControlAs<ListBoxWidget>(
            control, m_templateId, id, "LBN_SELCHANGE entry for a control that is not a list box");
        connect(list, &ListBoxWidget::selChange, this, std::move(handler));
    } else {
        DialogFault(m_templateId, "command entry with a notification no control sends", id);
    }
}

void CDialog::bindNotify(int code, int id, std::function<void(NMHDR*, LRESULT*)> handler) {
    QWidget* control =
        controlToMap(code, id, "notify entry for a control the template does not have");
    if (control == nullptr) {
        return;
    }
    // A notification whose record is its header alone.
    const auto headerOnly = [control, id, code, handler] {
        NMHDR header{control, id, code};
        LRESULT result = 0;
        handler(&header, &result);
    };
    if (code == NM_CUSTOMDRAW) {
        auto* slider = ControlAs<SliderWidget>(
            control, m_templateId, id, "NM_CUSTOMDRAW entry for a control that is not a slider");
        connect(slider, &SliderWidget::customDraw, this, headerOnly);
    } else if (code == TCN_SELCHANGE) {
        auto* tabs = ControlAs<TabControlWidget>(
            control, m_templateId, id,
            "TCN_SELCHANGE entry for a control that is not a tab control");
        connect(tabs, &TabControlWidget::selChange, this, headerOnly);
    } else if (code == LVN_ITEMCHANGED) {
        auto* list = ControlAs<ListViewWidget>(
            control, m_templateId, id,
            "LVN_ITEMCHANGED entry for a control that is not a list view");
        connect(list, &ListViewWidget::itemChanged, this,
                [control, id, code, handler](int item, unsigned newState, unsigned oldState,
                                             unsigned changed) {
                    NMLISTVIEW record;
                    record.hdr = NMHDR{control, id, code};
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
