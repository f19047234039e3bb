#include "windows/main/report_view.h"

#include "windows/main/report_table_model.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyle>
#include <algorithm>

namespace orvex {

ReportView::ReportView(bool gridLines, QWidget* parent) : QTableView(parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTabKeyNavigation(false);
    setShowGrid(gridLines);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    horizontalHeader()->setFixedHeight(fontMetrics().height() + 8);
    horizontalHeader()->setMinimumSectionSize(24);

    QPalette keepSelection = palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        keepSelection.setColor(QPalette::Inactive, role,
                               keepSelection.color(QPalette::Active, role));
    }
    setPalette(keepSelection);
}

void ReportView::showModel(ReportTableModel* model) {
    setModel(model);
    fitColumns(model->columns());
    connect(model, &QAbstractItemModel::headerDataChanged, this,
            [this, model] { fitColumns(model->columns()); });
}

void ReportView::fitColumns(std::span<const ReportColumn> columns) {
    const int padding = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
    for (std::size_t column = 0; column < columns.size(); ++column) {
        const ReportColumn& wanted = columns[column];
        const int fitted =
            std::max({wanted.width, fontMetrics().horizontalAdvance(wanted.widest) + padding,
                      fontMetrics().horizontalAdvance(wanted.caption) + padding});
        const int section = static_cast<int>(column);
        setColumnWidth(section, fitted);
        if (wanted.stretch) {
            horizontalHeader()->setSectionResizeMode(section, QHeaderView::Stretch);
        }
    }
}

int ReportView::selectedRow() const {
    if (selectionModel() == nullptr || !selectionModel()->hasSelection()) {
        return -1;
    }
    const QModelIndex current = currentIndex();
    if (current.isValid() && selectionModel()->isRowSelected(current.row(), current.parent())) {
        return current.row();
    }
    return selectionModel()->selectedRows().value(0).row();
}

void ReportView::selectOnly(int row) {
    if (model() == nullptr || row < 0 || row >= model()->rowCount()) {
        clearSelection();
        return;
    }
    const QModelIndex index = model()->index(row, 0);
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                 QItemSelectionModel::Rows);
    scrollIntoView(index);
}

void ReportView::scrollIntoView(const QModelIndex& index) {
    // A row just added is not yet in the scroll range, which is laid out later.
    executeDelayedItemsLayout();
    scrollTo(index);
}

void ReportView::keyPressEvent(QKeyEvent* event) {
    const QModelIndex current = currentIndex();
    if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier &&
        current.isValid()) {
        const QModelIndex box = current.siblingAtColumn(0);
        const bool checked = box.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        model()->setData(box, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

} // namespace orvex
