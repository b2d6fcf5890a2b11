// CWnd, the wrapper that the main window keeps for a control. A wrapper never owns its widget:
// the dialog does, and the wrapper only forwards the operations to it.
#pragma once

#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

namespace marlix {

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Binds the wrapper to a widget of the right kind; false (and unbound) for another kind.
    virtual bool Attach(QWidget* window);
    QWidget* GetSafeHwnd() const { return m_hWnd; }

    void GetClientRect(QRect* rect) const;
    void SetFont(const QFont& font, bool redraw = true);
    void SetFocus();

protected:
    QPointer<QWidget> m_hWnd;
};

}  // namespace marlix
