#include "gui/dialog/list_box.h"

#include "gui/dialog/quiet_scope.h"
#include "gui/dialog/single_selection.h"

namespace marlix {

ListBoxWidget::ListBoxWidget(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setTabKeyNavigation(false);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_quiet == 0) {
            emit selChange();
        }
    });
}

QItemSelectionModel::SelectionFlags ListBoxWidget::selectionCommand(const QModelIndex& index,
                                                                    const QEvent* event) const {
    return KeepChosen(QListWidget::selectionCommand(index, event), index,
                      QItemSelectionModel::NoUpdate);
}

int ListBoxWidget::insertString(int index, const QString& text) {
    if (index < -1 || index > count()) {
        return LB_ERR;
    }
    const int row = index == -1 ? count() : index;
    QuietScope quiet(m_quiet);
    insertItem(row, text);
    return row;
}

int ListBoxWidget::deleteString(int index) {
    if (index < 0 || index >= count()) {
        return LB_ERR;
    }
    QuietScope quiet(m_quiet);
    const int selected = curSel();
    delete takeItem(index);
    // The selection does not move onto a neighbour: the main window chooses which profile
    // takes over and selects it itself.
    if (selected == index) {
        clearSelection();
    }
    return count();
}

int ListBoxWidget::curSel() const {
    const QList<QListWidgetItem*> items = selectedItems();
    return items.isEmpty() ? LB_ERR : row(items.front());
}

int ListBoxWidget::setCurSel(int index) {
    if (index < -1 || index >= count()) {
        return LB_ERR;
    }
    QuietScope quiet(m_quiet);
    if (index == -1) {
        clearSelection();
        return LB_ERR;
    }
    setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    return index;
}

bool CListBox::Attach(QWidget* window) {
    return qobject_cast<ListBoxWidget*>(window) != nullptr && CWnd::Attach(window);
}

ListBoxWidget* CListBox::listBox() const {
    return qobject_cast<ListBoxWidget*>(m_hWnd.data());
}

int CListBox::AddString(const QString& text) {
    return listBox() ? listBox()->insertString(-1, text) : LB_ERR;
}

int CListBox::InsertString(int index, const QString& text) {
    return listBox() ? listBox()->insertString(index, text) : LB_ERR;
}

int CListBox::DeleteString(int index) {
    return listBox() ? listBox()->deleteString(index) : LB_ERR;
}

int CListBox::GetCount() const {
    return listBox() ? listBox()->count() : LB_ERR;
}

int CListBox::GetCurSel() const {
    return listBox() ? listBox()->curSel() : LB_ERR;
}

int CListBox::SetCurSel(int index) {
    return listBox() ? listBox()->setCurSel(index) : LB_ERR;
}

QString CListBox::GetText(int index) const {
    const QListWidgetItem* item = listBox() ? listBox()->item(index) : nullptr;
    return item == nullptr ? QString() : item->text();
}

}  // namespace marlix
