#include "windows/main/report_list.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <QStyle>
#include <algorithm>

namespace orvex {

ReportList::ReportList(std::span<const ReportColumn> columns, bool gridLines, QWidget* parent)
    : QTableWidget(0, static_cast<int>(columns.size()), parent) {
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
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

    QStringList captions;
    const int padding = 2 * style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 8;
    for (int column = 0; column < columnCount(); ++column) {
        const ReportColumn& wanted = columns[static_cast<std::size_t>(column)];
        captions << wanted.caption;
        const int fitted =
            std::max({wanted.width, fontMetrics().horizontalAdvance(wanted.widest) + padding,
                      fontMetrics().horizontalAdvance(wanted.caption) + padding});
        setColumnWidth(column, fitted);
        if (wanted.stretch) {
            horizontalHeader()->setSectionResizeMode(column, QHeaderView::Stretch);
        }
    }
    horizontalHeader()->setMinimumSectionSize(24);
    setHorizontalHeaderLabels(captions);
    horizontalHeaderItem(0)->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    QPalette keepSelection = palette();
    for (const auto role : {QPalette::Highlight, QPalette::HighlightedText}) {
        keepSelection.setColor(QPalette::Inactive, role,
                               keepSelection.color(QPalette::Active, role));
    }
    setPalette(keepSelection);
}

void ReportList::resetRows(int rowCount) {
    const QSignalBlocker blocker(this);
    clearSelection();
    setRowCount(0);
    setRowCount(rowCount);
    for (int row = 0; row < rowCount; ++row) {
        for (int column = 0; column < columnCount(); ++column) {
            auto* item = new QTableWidgetItem;
            if (column == 0) {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
                item->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                item->setCheckState(Qt::Unchecked);
            } else {
                item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
                item->setTextAlignment(Qt::AlignCenter);
            }
            setItem(row, column, item);
        }
    }
}

void ReportList::setRowTexts(int row, const QStringList& texts) {
    const QSignalBlocker blocker(this);
    for (int column = 0; column < columnCount() && column < texts.size(); ++column) {
        item(row, column)->setText(texts[column]);
    }
}

void ReportList::setRowChecked(int row, bool checked) {
    const QSignalBlocker blocker(this);
    item(row, 0)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

bool ReportList::isRowChecked(int row) const {
    const QTableWidgetItem* caption = item(row, 0);
    return caption != nullptr && caption->checkState() == Qt::Checked;
}

int ReportList::selectedRow() const {
    const QList<QTableWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : selected.constFirst()->row();
}

} // namespace orvex
