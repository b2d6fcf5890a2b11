#include "gui/layout/report_view.h"

#include <QHeaderView>
#include <QIcon>
#include <QPainter>
#include <QStyleOptionHeader>
#include <algorithm>

#include "gui/layout/single_selection.h"

namespace marlix {

namespace {

// Qt sizes header sections for a bold caption, in case a section is ever drawn highlighted; ours
// never are, and measuring would load the bold face at start for nothing.
class PlainHeader final : public QHeaderView {
public:
    using QHeaderView::QHeaderView;

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override {
        if (model() == nullptr)
            return {};
        QStyleOptionHeader option;
        initStyleOption(&option);
        option.section = logicalIndex;
        option.text = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
        option.fontMetrics = fontMetrics();
        return style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), this);
    }
};

}  // namespace

ReportViewWidget::ReportViewWidget(QWidget* parent) : QTableWidget(parent) {
    setHorizontalHeader(new PlainHeader(Qt::Horizontal, this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(true);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected) {
                if (!selected.isEmpty())
                    emit rowChosen(selected.indexes().front().row());
            });
}

QItemSelectionModel::SelectionFlags ReportViewWidget::selectionCommand(const QModelIndex& index,
                                                                       const QEvent* event) const {
    return KeepChosen(QTableWidget::selectionCommand(index, event), index,
                      QItemSelectionModel::Rows);
}

void ReportViewWidget::addColumn(const QString& heading, int width) {
    const int column = columnCount();
    insertColumn(column);
    setHorizontalHeaderItem(column, new QTableWidgetItem(heading));
    setColumnWidth(column, width);
}

QTableWidgetItem* ReportViewWidget::cell(int row, int column) {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    QTableWidgetItem* cell = item(row, column);
    if (cell == nullptr) {
        cell = new QTableWidgetItem();
        cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        if (column == 0 && !m_rowIcon.isNull())
            cell->setIcon(QIcon(m_rowIcon));
        setItem(row, column, cell);
    }
    return cell;
}

QString ReportViewWidget::cellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell == nullptr ? QString() : cell->text();
}

void ReportViewWidget::setRowIcon(const QIcon& icon, QSize size) {
    // Drawn once at the screen's density, so that it stays sharp at 125 % to 200 %, and on a
    // transparent ground, so that it sits on the list's own colour in any palette.
    const qreal ratio = std::max<qreal>(1.0, devicePixelRatioF());
    m_rowIcon = QPixmap((QSizeF(size) * ratio).toSize());
    m_rowIcon.setDevicePixelRatio(ratio);
    m_rowIcon.fill(Qt::transparent);
    QPainter painter(&m_rowIcon);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    icon.paint(&painter, QRect(QPoint(0, 0), size));
    painter.end();
    setIconSize(size);
    verticalHeader()->setDefaultSectionSize(std::max(fontMetrics().height() + 4, size.height()));
    for (int row = 0; row < rowCount(); ++row) {
        if (QTableWidgetItem* first = item(row, 0))
            first->setIcon(QIcon(m_rowIcon));
    }
}

void ReportViewWidget::clearRows() {
    setRowCount(0);
    selectionModel()->clearCurrentIndex();
}

void ReportViewWidget::chooseRow(int row) {
    if (row < 0 || row >= rowCount())
        return;
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

int ReportViewWidget::chosenRow() const {
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.front().row();
}

}  // namespace marlix
