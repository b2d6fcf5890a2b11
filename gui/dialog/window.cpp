#include "gui/dialog/window.h"

#include <QAbstractScrollArea>

namespace marlix {

bool CWnd::Attach(QWidget* window) {
    m_hWnd = window;
    return window != nullptr;
}

void CWnd::GetClientRect(QRect* rect) const {
    if (rect == nullptr) {
        return;
    }
    if (m_hWnd == nullptr) {
        *rect = QRect();
    } else if (auto* area = qobject_cast<QAbstractScrollArea*>(m_hWnd.data())) {
        // Inside the border: columns that add up to this width need no scroll bar.
        *rect = QRect(QPoint(0, 0), area->contentsRect().size());
    } else {
        *rect = m_hWnd->rect();
    }
}

void CWnd::SetFont(const QFont& font, bool redraw) {
    if (m_hWnd) {
        m_hWnd->setFont(font);
        if (redraw) {
            m_hWnd->update();
        }
    }
}

void CWnd::SetFocus() {
    if (m_hWnd) {
        m_hWnd->setFocus(Qt::OtherFocusReason);
    }
}

}  // namespace marlix
