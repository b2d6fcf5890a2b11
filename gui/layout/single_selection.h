// The selection rule of the profile list and the device list.
#pragma once

#include <QItemSelectionModel>

namespace marlix {

// The user can move the selection of a single-selection list but not clear it (no Ctrl+click
// toggling, no click on empty space): the profile or the card shown as chosen stays chosen.
inline QItemSelectionModel::SelectionFlags KeepChosen(
    QItemSelectionModel::SelectionFlags flags, const QModelIndex& index,
    QItemSelectionModel::SelectionFlags behaviour) {
    // A row that cannot be chosen (enabled but not selectable) takes the focus only: the chosen
    // row stays chosen while the arrows pass over it.
    if (!index.isValid() || !(index.flags() & Qt::ItemIsSelectable))
        return QItemSelectionModel::NoUpdate;
    if (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
        return QItemSelectionModel::ClearAndSelect | behaviour;
    }
    return flags;
}

}  // namespace marlix
