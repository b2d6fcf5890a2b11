#include "gui/dialog/list_view.h"

#include <QHeaderView>
#include <QPainter>
#include <algorithm>

#include "gui/dialog/quiet_scope.h"
#include "gui/dialog/single_selection.h"

namespace marlix {

ListViewWidget::ListViewWidget(QWidget* parent) : QTableWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(false);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (m_quiet == 0) {
            syncStates();
        }
    });
    connect(selectionModel(), &QItemSelectionModel::currentChanged, this, [this] {
        if (m_quiet == 0) {
            syncStates();
        }
    });
}

QItemSelectionModel::SelectionFlags ListViewWidget::selectionCommand(const QModelIndex& index,
                                                                     const QEvent* event) const {
    return KeepChosen(QTableWidget::selectionCommand(index, event), index,
                      QItemSelectionModel::Rows);
}

int ListViewWidget::insertColumn(int column, const QString& heading, int width) {
    if (column < 0) {
        return -1;
    }
    const int at = std::min(column, columnCount());
    QuietScope quiet(m_quiet);
    QTableWidget::insertColumn(at);
    setHorizontalHeaderItem(at, new QTableWidgetItem(heading));
    if (width >= 0) {
        setColumnWidth(at, width);
    }
    return at;
}

int ListViewWidget::insertItem(int item, const QString& text) {
    if (item < 0 || columnCount() == 0) {
        return -1;
    }
    const int row = std::min(item, rowCount());
    QuietScope quiet(m_quiet);
    insertRow(row);
    auto* cell = new QTableWidgetItem(text);
    cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    setItem(row, 0, cell);
    m_states.insert(m_states.begin() + row, 0u);
    applyImage(row);
    return row;
}

bool ListViewWidget::setItemText(int item, int subItem, const QString& text) {
    if (item < 0 || item >= rowCount() || subItem < 0 || subItem >= columnCount()) {
        return false;
    }
    QTableWidgetItem* cell = this->item(item, subItem);
    if (cell == nullptr) {
        cell = new QTableWidgetItem();
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        QuietScope quiet(m_quiet);
        setItem(item, subItem, cell);
    }
    const bool changed = cell->text() != text;
    cell->setText(text);
    if (changed && subItem == 0) {
        const unsigned state = m_states[static_cast<std::size_t>(item)];
        emit itemChanged(item, state, state, LVIF_TEXT);
    }
    return true;
}

QString ListViewWidget::itemText(int item, int subItem) const {
    const QTableWidgetItem* cell = this->item(item, subItem);
    return cell == nullptr ? QString() : cell->text();
}

bool ListViewWidget::deleteAllItems() {
    QuietScope quiet(m_quiet);
    setRowCount(0);
    selectionModel()->clearCurrentIndex();
    m_states.clear();
    return true;
}

bool ListViewWidget::setItemState(int item, unsigned state, unsigned mask) {
    if (item < -1 || item >= rowCount()) {
        return false;
    }
    {
        QuietScope quiet(m_quiet);
        const int first = item == -1 ? 0 : item;
        const int last = item == -1 ? rowCount() - 1 : item;
        for (int row = first; row <= last; ++row) {
            const QModelIndex index = model()->index(row, 0);
            if ((mask & LVIS_SELECTED) != 0) {
                if ((state & LVIS_SELECTED) != 0) {
                    selectionModel()->select(
                        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
                } else {
                    selectionModel()->select(
                        index, QItemSelectionModel::Deselect | QItemSelectionModel::Rows);
                }
            }
            if ((mask & LVIS_FOCUSED) != 0) {
                if ((state & LVIS_FOCUSED) != 0) {
                    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
                } else if (currentIndex().row() == row) {
                    selectionModel()->clearCurrentIndex();
                }
            }
        }
    }
    syncStates();
    return true;
}

unsigned ListViewWidget::itemState(int item, unsigned mask) const {
    if (item < 0 || item >= rowCount()) {
        return 0;
    }
    return currentStates()[static_cast<std::size_t>(item)] & mask;
}

void ListViewWidget::setExtendedStyle(unsigned style) {
    m_extendedStyle = style;
    setShowGrid((style & LVS_EX_GRIDLINES) != 0);
}

void ListViewWidget::setSmallImages(const QList<QPixmap>& images, QSize size) {
    m_images = images;
    setIconSize(size);
    verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height() + 4, size.height()));
    for (int row = 0; row < rowCount(); ++row) {
        applyImage(row);
    }
}

void ListViewWidget::applyImage(int row) {
    QTableWidgetItem* cell = item(row, 0);
    if (cell != nullptr && !m_images.isEmpty()) {
        cell->setIcon(QIcon(m_images.front()));
    }
}

std::vector<unsigned> ListViewWidget::currentStates() const {
    std::vector<unsigned> states(static_cast<std::size_t>(rowCount()), 0u);
    const QItemSelectionModel* selection = selectionModel();
    for (int row = 0; row < rowCount(); ++row) {
        unsigned state = 0;
        if (selection->isRowSelected(row, QModelIndex())) {
            state |= LVIS_SELECTED;
        }
        if (selection->currentIndex().isValid() && selection->currentIndex().row() == row) {
            state |= LVIS_FOCUSED;
        }
        states[static_cast<std::size_t>(row)] = state;
    }
    return states;
}

void ListViewWidget::syncStates() {
    std::vector<unsigned> now = currentStates();
    std::vector<unsigned> before = m_states;
    before.resize(now.size(), 0u);
    m_states = now;
    // Items that only lose states are reported first, so the last report names the item that
    // gained the selection or the focus.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t row = 0; row < now.size(); ++row) {
            if (now[row] == before[row]) {
                continue;
            }
            const bool onlyLoses = (now[row] & ~before[row]) == 0;
            if (onlyLoses == (pass == 0)) {
                emit itemChanged(static_cast<int>(row), now[row], before[row], LVIF_STATE);
            }
        }
    }
}

bool CImageList::Create(int cx, int cy, unsigned flags, int initial, int grow) {
    (void)flags;
    (void)initial;
    (void)grow;
    if (cx <= 0 || cy <= 0) {
        return false;
    }
    m_size = QSize(cx, cy);
    m_images.clear();
    m_created = true;
    return true;
}

int CImageList::Add(const QIcon& icon) {
    if (!m_created || icon.isNull()) {
        return -1;
    }
    QPixmap image(m_size);
    image.fill(m_background);
    QPainter painter(&image);
    icon.paint(&painter, QRect(QPoint(0, 0), m_size));
    painter.end();
    m_images.append(image);
    return static_cast<int>(m_images.size()) - 1;
}

bool CListCtrl::Attach(QWidget* window) {
    return qobject_cast<ListViewWidget*>(window) != nullptr && CWnd::Attach(window);
}

ListViewWidget* CListCtrl::listView() const {
    return qobject_cast<ListViewWidget*>(m_hWnd.data());
}

int CListCtrl::InsertColumn(int column, const QString& heading, int format, int width) {
    (void)format;
    return listView() ? listView()->insertColumn(column, heading, width) : -1;
}

int CListCtrl::InsertItem(int item, const QString& text) {
    return listView() ? listView()->insertItem(item, text) : -1;
}

bool CListCtrl::SetItemText(int item, int subItem, const QString& text) {
    return listView() && listView()->setItemText(item, subItem, text);
}

QString CListCtrl::GetItemText(int item, int subItem) const {
    return listView() ? listView()->itemText(item, subItem) : QString();
}

bool CListCtrl::DeleteAllItems() {
    return listView() && listView()->deleteAllItems();
}

int CListCtrl::GetItemCount() const {
    return listView() ? listView()->rowCount() : 0;
}

bool CListCtrl::SetItemState(int item, unsigned state, unsigned mask) {
    return listView() && listView()->setItemState(item, state, mask);
}

unsigned CListCtrl::GetItemState(int item, unsigned mask) const {
    return listView() ? listView()->itemState(item, mask) : 0;
}

unsigned CListCtrl::GetExtendedStyle() const {
    return listView() ? listView()->extendedStyle() : 0;
}

void CListCtrl::SetExtendedStyle(unsigned style) {
    if (listView()) {
        listView()->setExtendedStyle(style);
    }
}

void CListCtrl::SetImageList(CImageList* images, int type) {
    if (listView() && images != nullptr && type == LVSIL_SMALL) {
        listView()->setSmallImages(images->images(), images->size());
    }
}

}  // namespace marlix
