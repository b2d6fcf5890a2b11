// Operations on one control of a dialog, and CWnd, the wrapper that a dialog class keeps as a
// member and binds to a control with DDX_Control. A wrapper never owns its widget: the dialog
// does, and the wrapper only forwards the operations to it.
#pragma once

#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

namespace marlix {

#ifndef SW_HIDE
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;
#endif

bool EnableWindow(QWidget* window, bool enable);  // true when it was disabled before
bool ShowWindow(QWidget* window, int cmdShow);    // true when it was visible before
void MoveWindow(QWidget* window, int x, int y, int width, int height, bool repaint = true);
// A static text keeps its text as given ('&' markers included) and shows it as its style says.
void SetWindowText(QWidget* window, const QString& text);
QString GetWindowText(const QWidget* window);
// Whether a static text shows '&' literally (the no-prefix style) or as a mnemonic marker.
void SetNoPrefix(QWidget* window, bool noPrefix);

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

// A single-line edit field.
class CEdit : public CWnd {
public:
    bool Attach(QWidget* window) override;
};

}  // namespace marlix
