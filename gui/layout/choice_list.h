// The list box of the templates (the profile list): one choice, which the user can move but not
// clear.
#pragma once

#include <QListWidget>

namespace marlix {

// choiceChanged reports the user's changes only; the program's are silent, so that filling or
// updating the list never looks like the user choosing a profile.
class ChoiceListWidget : public QListWidget {
    Q_OBJECT
public:
    explicit ChoiceListWidget(QWidget* parent = nullptr);

    // The chosen row, or -1.
    int choice() const;
    // Chooses the row (-1: none), silently.
    void setChoice(int row);
    // Inserts (row -1: appends) or removes a row, silently. Removing the chosen row leaves
    // nothing chosen: the caller says which row takes over.
    void insertChoice(int row, const QString& text);
    void removeChoice(int row);

signals:
    void choiceChanged();

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    int m_quiet = 0;
};

}  // namespace marlix
