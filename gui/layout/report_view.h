// The report view of the templates (the device list): rows of cells under column headings, one
// row chosen at a time.
#pragma once

#include <QPixmap>
#include <QTableWidget>

namespace marlix {

class ReportViewWidget : public QTableWidget {
    Q_OBJECT
public:
    explicit ReportViewWidget(QWidget* parent = nullptr);

    void addColumn(const QString& heading, int width);
    // Every row gone, and the focus with them.
    void clearRows();
    // The cell's item, made when the cell has none (the first cell with the row's picture);
    // nullptr outside the table.
    QTableWidgetItem* cell(int row, int column);
    QString cellText(int row, int column) const;
    // The picture at the start of every row, drawn onto white at the given size.
    void setRowIcon(const QIcon& icon, QSize size);
    // Selects the row and gives it the focus (the chosen row keeps the selection while the
    // arrows move the focus over rows that cannot be chosen).
    void chooseRow(int row);
    // The selected row, or -1.
    int chosenRow() const;

signals:
    // A row became the selected one, by the user or by chooseRow.
    void rowChosen(int row);

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;

private:
    QPixmap m_rowIcon;
};

}  // namespace marlix
