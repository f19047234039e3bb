#include "windows/main/report_table_model.h"

#include <utility>

namespace orvex {

ReportTableModel::ReportTableModel(std::vector<ReportColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), m_columns(std::move(columns)) {}

int ReportTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant ReportTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return {};
    }
    if (role == Qt::DisplayRole) {
        return m_columns[static_cast<std::size_t>(section)].caption;
    }
    if (role == Qt::TextAlignmentRole && section == 0) {
        return QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    }
    return {};
}

bool ReportTableModel::setHeaderData(int section, Qt::Orientation orientation,
                                     const QVariant& value, int role) {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount() ||
        (role != Qt::EditRole && role != Qt::DisplayRole)) {
        return false;
    }
    m_columns[static_cast<std::size_t>(section)].caption = value.toString();
    emit headerDataChanged(orientation, section, section);
    return true;
}

QVariant ReportTableModel::rowCell(const QStringList& texts, bool checked, int column, int role) {
    switch (role) {
    case Qt::DisplayRole:
        return texts.value(column);
    case Qt::ToolTipRole:
        return column == 0 ? QVariant(texts.value(column)) : QVariant();
    case Qt::CheckStateRole:
        return column == 0 ? QVariant(checked ? Qt::Checked : Qt::Unchecked) : QVariant();
    case Qt::TextAlignmentRole:
        return column == 0 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter) : QVariant(Qt::AlignCenter);
    default:
        return {};
    }
}

} // namespace orvex
