// The report-view list of the templates (the device list), its wrapper and its images.
#pragma once

#include <QColor>
#include <QIcon>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QTableWidget>
#include <vector>

#include "gui/dialog/window.h"

namespace marlix {

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

// itemChanged sends one report per item whose selected or focused state changed (by the user
// or by setItemState), items losing a state before items gaining one, and one when the text of
// an existing item's first column changes.
class ListViewWidget : public QTableWidget {
    Q_OBJECT
public:
    explicit ListViewWidget(QWidget* parent = nullptr);

    int insertColumn(int column, const QString& heading, int width);
    int insertItem(int item, const QString& text);  // index of the new item, or -1
    bool setItemText(int item, int subItem, const QString& text);
    QString itemText(int item, int subItem) const;
    bool deleteAllItems();
    bool setItemState(int item, unsigned state, unsigned mask);  // item -1: every item
    unsigned itemState(int item, unsigned mask) const;
    unsigned extendedStyle() const { return m_extendedStyle; }
    void setExtendedStyle(unsigned style);
    // Small images; every item shows image 0 in its first column, as items inserted with text
    // alone do.
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

// Images for a list view: fixed size, drawn onto a background colour.
class CImageList {
public:
    // The flags and the growth numbers are accepted for the callers' sake and not needed here.
    bool Create(int cx, int cy, unsigned flags, int initial, int grow);
    void SetBkColor(QColor color) { m_background = color; }
    int Add(const QIcon& icon);  // index of the new image, or -1
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
    // Every column is left-aligned, whatever the format says.
    int InsertColumn(int column, const QString& heading, int format = LVCFMT_LEFT, int width = -1);
    int InsertItem(int item, const QString& text);
    bool SetItemText(int item, int subItem, const QString& text);
    QString GetItemText(int item, int subItem) const;
    bool DeleteAllItems();
    int GetItemCount() const;
    bool SetItemState(int item, unsigned state, unsigned mask);
    unsigned GetItemState(int item, unsigned mask) const;
    unsigned GetExtendedStyle() const;
    void SetExtendedStyle(unsigned style);
    void SetImageList(CImageList* images, int type);
    ListViewWidget* listView() const;
};

}  // namespace marlix
