#include "gui/dialog/window.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QLabel>
#include <QLineEdit>
#include <QVariant>
#include <algorithm>

#include "gui/dialog/captions.h"

namespace marlix {

namespace {

// Dynamic properties that the dialog puts on the static texts it creates.
constexpr char kRawTextProperty[] = "marlixRawText";
constexpr char kNoPrefixProperty[] = "marlixNoPrefix";

}  // namespace

bool EnableWindow(QWidget* window, bool enable) {
    if (window == nullptr) {
        return false;
    }
    const bool wasDisabled =
        window->isWindow() ? !window->isEnabled() : !window->isEnabledTo(window->parentWidget());
    window->setEnabled(enable);
    return wasDisabled;
}

bool ShowWindow(QWidget* window, int cmdShow) {
    if (window == nullptr) {
        return false;
    }
    const bool wasVisible =
        window->isWindow() ? window->isVisible() : window->isVisibleTo(window->parentWidget());
    window->setVisible(cmdShow != SW_HIDE);
    return wasVisible;
}

void MoveWindow(QWidget* window, int x, int y, int width, int height, bool repaint) {
    if (window == nullptr) {
        return;
    }
    window->setGeometry(x, y, std::max(0, width), std::max(0, height));
    if (repaint) {
        window->update();
    }
}

void SetWindowText(QWidget* window, const QString& text) {
    if (auto* label = qobject_cast<QLabel*>(window)) {
        label->setProperty(kRawTextProperty, text);
        label->setText(label->property(kNoPrefixProperty).toBool() ? text : StripMnemonics(text));
    } else if (auto* button = qobject_cast<QAbstractButton*>(window)) {
        button->setText(text);
    } else if (auto* edit = qobject_cast<QLineEdit*>(window)) {
        edit->setText(text);
    } else if (window != nullptr) {
        window->setWindowTitle(text);
    }
}

QString GetWindowText(const QWidget* window) {
    if (auto* label = qobject_cast<const QLabel*>(window)) {
        const QVariant raw = label->property(kRawTextProperty);
        return raw.isValid() ? raw.toString() : label->text();
    }
    if (auto* button = qobject_cast<const QAbstractButton*>(window)) {
        return button->text();
    }
    if (auto* edit = qobject_cast<const QLineEdit*>(window)) {
        return edit->text();
    }
    return window == nullptr ? QString() : window->windowTitle();
}

void SetNoPrefix(QWidget* window, bool noPrefix) {
    window->setProperty(kNoPrefixProperty, noPrefix);
}

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

bool CEdit::Attach(QWidget* window) {
    return qobject_cast<QLineEdit*>(window) != nullptr && CWnd::Attach(window);
}

}  // namespace marlix
