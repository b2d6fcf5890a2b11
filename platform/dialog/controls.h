// The controls a dialog template can create, and the thin C... wrappers that dialog classes keep
// as members and attach to them with DDX_Control. A wrapper never owns its widget: the dialog
// does, and the wrapper only forwards the platform operations to it.
#pragma once

#include <QCheckBox>
#include <QColor>
#include <QIcon>
#include <QList>
#include <QListWidget>
#include <QPixmap>
#include <QPointer>
#include <QRadioButton>
#include <QSize>
#include <QSlider>
#include <QTabBar>
#include <QTableWidget>
#include <QWidget>
#include <string>
#include <vector>

namespace marlix {

// Notification codes, states and flags under the platform's names. windows.h defines the same
// names as macros with the same values; where it has been included first, its macros are used.
#ifndef BN_CLICKED
inline constexpr int BN_CLICKED = 0;
#endif
#ifndef LBN_SELCHANGE
inline constexpr int LBN_SELCHANGE = 1;
#endif
#ifndef NM_CUSTOMDRAW
inline constexpr int NM_CUSTOMDRAW = -12;
#endif
#ifndef LVN_ITEMCHANGED
inline constexpr int LVN_ITEMCHANGED = -101;
#endif
#ifndef TCN_SELCHANGE
inline constexpr int TCN_SELCHANGE = -551;
#endif
#ifndef LVIS_FOCUSED
inline constexpr unsigned LVIS_FOCUSED = 0x0001;
inline constexpr unsigned LVIS_SELECTED = 0x0002;
#endif
#ifndef LVIF_TEXT
inline constexpr unsigned LVIF_TEXT = 0x0001;
inline constexpr unsigned LVIF_STATE = 0x0008;
#endif
#ifndef LVS_EX_GRIDLINES
inline constexpr unsigned LVS_EX_GRIDLINES = 0x01;
inline constexpr unsigned LVS_EX_SUBITEMIMAGES = 0x02;
inline constexpr unsigned LVS_EX_FULLROWSELECT = 0x20;
#endif
#ifndef LVCFMT_LEFT
inline constexpr int LVCFMT_LEFT = 0;
#endif
#ifndef LVSIL_SMALL
inline constexpr int LVSIL_SMALL = 1;
#endif
#ifndef LB_ERR
inline constexpr int LB_ERR = -1;
#endif
#ifndef SW_HIDE
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOW = 5;
#endif
#ifndef BST_UNCHECKED
inline constexpr int BST_UNCHECKED = 0;
inline constexpr int BST_CHECKED = 1;
#endif
#ifndef CDRF_DODEFAULT
inline constexpr long CDRF_DODEFAULT = 0;
#endif
#ifndef CDDS_PREPAINT
inline constexpr unsigned CDDS_PREPAINT = 0x0001;
#endif

using LRESULT = long;

// Header of every notification record.
struct NMHDR {
    QWidget* hwndFrom = nullptr;
    int idFrom = 0;
    int code = 0;
};

struct NMLISTVIEW {
    NMHDR hdr;
    int iItem = -1;
    int iSubItem = 0;
    unsigned uNewState = 0;
    unsigned uOldState = 0;
    unsigned uChanged = 0;
};

struct NMCUSTOMDRAW {
    NMHDR hdr;
    unsigned dwDrawStage = CDDS_PREPAINT;
};

// ---- widgets created from templates --------------------------------------------------------

// Buttons that answer a click anywhere in their rectangle, as the platform's do, not only on the
// indicator and the text.
class RadioButtonWidget : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

class CheckBoxWidget : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// Track bar. Starts with the range 0..100 like the platform's, so a position written before the
// owner sets the real range is kept against 0..100 and then limited by SetRange.
class SliderWidget : public QSlider {
    Q_OBJECT
public:
    // Like the platform's track bar, the channel keeps clear of the control's left and right
    // edges, so labels drawn beside its ends may reach into the rectangle without touching the
    // thumb or the ticks.
    static constexpr int kChannelInset = 8;

    explicit SliderWidget(QWidget* parent = nullptr);

    // Extra tick marks set one by one; with a tick frequency of 1 they coincide with the
    // automatic ones.
    void addTic(int position);
    const QList<int>& tics() const { return m_tics; }

signals:
    // Before every paint, which follows every change of position while the slider is shown.
    void customDraw();

protected:
    void initStyleOption(QStyleOptionSlider* option) const override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QList<int> m_tics;
};

// List box with single selection. selChange reports the user's own changes only, as the
// platform's LBN_SELCHANGE does; selections made by the program are silent.
class ListBoxWidget : public QListWidget {
    Q_OBJECT
public:
    explicit ListBoxWidget(QWidget* parent = nullptr);

    int addString(const QString& text);
    int insertString(int index, const QString& text);  // -1 appends
    int deleteString(int index);                       // remaining count, or LB_ERR
    int curSel() const;                                // LB_ERR when nothing is selected
    int setCurSel(int index);                          // -1 clears; LB_ERR when out of range
    void resetContent();

signals:
    void selChange();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    int m_quiet = 0;
};

// Report-view list. itemChanged follows the platform's LVN_ITEMCHANGED: one report per item whose
// selected or focused state changed (by the user or by setItemState), items losing a state before
// items gaining one, and one when the text of an existing item's first column changes.
class ListViewWidget : public QTableWidget {
    Q_OBJECT
public:
    explicit ListViewWidget(QWidget* parent = nullptr);

    int insertColumn(int column, const QString& heading, int format, int width);
    int insertItem(int item, const QString& text);  // index of the new item, or -1
    bool setItemText(int item, int subItem, const QString& text);
    QString itemText(int item, int subItem) const;
    bool deleteItem(int item);
    bool deleteAllItems();
    int itemCount() const { return rowCount(); }
    bool setItemState(int item, unsigned state, unsigned mask);  // item -1: every item
    unsigned itemState(int item, unsigned mask) const;
    unsigned extendedStyle() const { return m_extendedStyle; }
    void setExtendedStyle(unsigned style);
    // Small images; every item shows image 0 in its first column, as items inserted with text
    // only do on the platform.
    void setSmallImages(const QList<QPixmap>& images, QSize size);

signals:
    void itemChanged(int item, unsigned newState, unsigned oldState, unsigned changed);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    std::vector<unsigned> currentStates() const;
    void syncStates();
    void applyImage(int row);

    std::vector<unsigned> m_states;
    unsigned m_extendedStyle = 0;
    QList<QPixmap> m_images;
    int m_quiet = 0;
};

// Tab control: a row of tabs over a framed area. Pages are made children of this widget and
// placed in its client coordinates. selChange reports the user's changes only.
class TabControlWidget : public QWidget {
    Q_OBJECT
public:
    explicit TabControlWidget(QWidget* parent = nullptr);

    QTabBar* tabBar() const { return m_tabBar; }
    int insertItem(int index, const QString& text);  // index of the new tab, or -1
    int curSel() const;
    int setCurSel(int index);  // previous selection, or -1
    int itemCount() const;
    bool deleteAllItems();

signals:
    void selChange();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void layoutTabs();

    QTabBar* m_tabBar;
    int m_quiet = 0;
};

// ---- wrappers --------------------------------------------------------------------------------

// The platform operations on one window, for the widgets a dialog created.
bool EnableWindow(QWidget* window, bool enable);  // true when it was disabled before
bool ShowWindow(QWidget* window, int cmdShow);    // true when it was visible before
void MoveWindow(QWidget* window, int x, int y, int width, int height, bool repaint = true);
void SetWindowText(QWidget* window, const QString& text);
QString GetWindowText(const QWidget* window);
// The control ID that a dialog gave the widget; 0 for none.
int GetDlgCtrlID(const QWidget* window);
// Tags a widget with its control ID and, for a static text, whether '&' is shown literally
// (the no-prefix style) or marks a mnemonic.
void TagControl(QWidget* window, int id, bool noPrefix);

class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd() = default;
    CWnd(const CWnd&) = delete;
    CWnd& operator=(const CWnd&) = delete;

    // Binds the wrapper to a widget of the right kind; false (and unbound) for another kind.
    virtual bool Attach(QWidget* window);
    void Detach() { m_hWnd = nullptr; }
    QWidget* GetSafeHwnd() const { return m_hWnd; }

    bool EnableWindow(bool enable = true);
    bool ShowWindow(int cmdShow);
    void MoveWindow(int x, int y, int width, int height, bool repaint = true);
    void MoveWindow(const QRect& rect, bool repaint = true);
    void GetClientRect(QRect* rect) const;
    void SetWindowText(const QString& text);
    QString GetWindowText() const;
    void SetFont(const QFont& font, bool redraw = true);
    void SetFocus();
    bool IsWindowVisible() const;
    bool IsWindowEnabled() const;
    int GetDlgCtrlID() const;

protected:
    QPointer<QWidget> m_hWnd;
};

class CButton : public CWnd {
public:
    bool Attach(QWidget* window) override;
    int GetCheck() const;
    void SetCheck(int check);
};

class CEdit : public CWnd {
public:
    bool Attach(QWidget* window) override;
    void SetSel(int start, int end);
};

class CSliderCtrl : public CWnd {
public:
    bool Attach(QWidget* window) override;
    void SetRange(int minimum, int maximum, bool redraw = false);
    int GetRangeMin() const;
    int GetRangeMax() const;
    void SetPos(int position);
    int GetPos() const;
    void SetTicFreq(int frequency);
    bool SetTic(int position);
    void SetPageSize(int size);
    void SetLineSize(int size);
    SliderWidget* slider() const;
};

class CListBox : public CWnd {
public:
    bool Attach(QWidget* window) override;
    int AddString(const QString& text);
    int InsertString(int index, const QString& text);
    int DeleteString(int index);
    int GetCount() const;
    int GetCurSel() const;
    int SetCurSel(int index);
    QString GetText(int index) const;
    void ResetContent();
    ListBoxWidget* listBox() const;
};

// Images for a list view: fixed size, drawn onto a background colour.
class CImageList {
public:
    bool Create(int cx, int cy, unsigned flags, int initial, int grow);
    void SetBkColor(QColor color) { m_background = color; }
    int Add(const QIcon& icon);  // index of the new image, or -1
    int GetImageCount() const { return static_cast<int>(m_images.size()); }
    QSize size() const { return m_size; }
    const QList<QPixmap>& images() const { return m_images; }

private:
    QSize m_size;
    QColor m_background = Qt::transparent;
    QList<QPixmap> m_images;
    bool m_created = false;
};

class CListCtrl : public CWnd {
public:
    bool Attach(QWidget* window) override;
    int InsertColumn(int column, const QString& heading, int format = LVCFMT_LEFT, int width = -1);
    int InsertItem(int item, const QString& text);
    bool SetItemText(int item, int subItem, const QString& text);
    QString GetItemText(int item, int subItem) const;
    bool DeleteItem(int item);
    bool DeleteAllItems();
    int GetItemCount() const;
    bool SetItemState(int item, unsigned state, unsigned mask);
    unsigned GetItemState(int item, unsigned mask) const;
    unsigned GetExtendedStyle() const;
    void SetExtendedStyle(unsigned style);
    void SetImageList(CImageList* images, int type);
    int GetColumnWidth(int column) const;
    ListViewWidget* listView() const;
};

class CTabCtrl : public CWnd {
public:
    bool Attach(QWidget* window) override;
    int InsertItem(int item, const QString& text);
    int GetCurSel() const;
    int SetCurSel(int item);
    int GetItemCount() const;
    bool DeleteAllItems();
    TabControlWidget* tabControl() const;
};

}  // namespace marlix
