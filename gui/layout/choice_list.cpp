#include "gui/layout/choice_list.h"

#include "gui/layout/quiet_scope.h"
#include "gui/layout/single_selection.h"

namespace marlix {

ChoiceListWidget::ChoiceListWidget(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    setTabKeyNavigation(false);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_quiet == 0) {
            emit choiceChanged();
        }
    });
}

QItemSelectionModel::SelectionFlags ChoiceListWidget::selectionCommand(const QModelIndex& index,
                                                                       const QEvent* event) const {
    return KeepChosen(QListWidget::selectionCommand(index, event), index,
                      QItemSelectionModel::NoUpdate);
}

int ChoiceListWidget::choice() const {
    const QList<QListWidgetItem*> items = selectedItems();
    return items.isEmpty() ? -1 : row(items.front());
}

void ChoiceListWidget::setChoice(int row) {
    if (row < -1 || row >= count()) {
        return;
    }
    QuietScope quiet(m_quiet);
    if (row == -1) {
        clearSelection();
        return;
    }
    setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
}

void ChoiceListWidget::insertChoice(int row, const QString& text) {
    QuietScope quiet(m_quiet);
    insertItem(row < 0 || row > count() ? count() : row, text);
}

void ChoiceListWidget::removeChoice(int row) {
    if (row < 0 || row >= count()) {
        return;
    }
    QuietScope quiet(m_quiet);
    const bool chosen = choice() == row;
    delete takeItem(row);
    if (chosen) {
        clearSelection();
    }
}

}  // namespace marlix
