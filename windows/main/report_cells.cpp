#include "windows/main/report_cells.h"

namespace orvex {

QVariant reportCell(const QStringList& texts, bool checked, int column, int role) {
    switch (role) {
    case Qt::DisplayRole:
        return texts.value(column);
    case Qt::ToolTipRole:
        // A long name cut short in its column can still be read whole.
        return column == 0 ? QVariant(texts.value(column)) : QVariant();
    case Qt::CheckStateRole:
        return column == 0 ? QVariant(checked ? Qt::Checked : Qt::Unchecked) : QVariant();
    case Qt::TextAlignmentRole:
        return column == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignCenter);
    default:
        return {};
    }
}

QVariant reportHeader(const std::vector<ReportColumn>& columns, int section,
                      Qt::Orientation orientation, int role) {
    if (orientation != Qt::Horizontal || section < 0 ||
        static_cast<std::size_t>(section) >= columns.size()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return columns[static_cast<std::size_t>(section)].caption;
    }
    if (role == Qt::TextAlignmentRole && section == 0) {
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

} // namespace orvex
