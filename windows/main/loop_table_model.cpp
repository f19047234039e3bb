#include "windows/main/loop_table_model.h"

#include "model/store.h"
#include "platform/services.h"
#include "windows/main/row_texts.h"
#include "windows/main/sequence_editor.h"

namespace orvex {

LoopTableModel::LoopTableModel(SequenceEditor& editor, LoopTable& table, QObject* parent)
    : ReportTableModel(defaultColumns(), parent), m_editor(editor), m_table(table) {}

std::vector<ReportColumn> LoopTableModel::defaultColumns() {
    const QString date = modelText(formatDate(regional(), encodeDate({2000, 12, 28})));
    const QString time = modelText(formatTime(regional(), encodeTime({23, 58, 58})));
    return {
        {QStringLiteral("Name"), 120, {}, true},
        {QStringLiteral("Ini Date"), 70, date, false},
        {QStringLiteral("End Date"), 70, date, false},
        {QStringLiteral("Week Day"), 70, QStringLiteral("Wednesday"), false},
        {QStringLiteral("Month Day"), 70, {}, false},
        {QStringLiteral("Ini Time"), 60, time, false},
        {QStringLiteral("End Time"), 60, time, false},
        {QStringLiteral("Loop"), 50, {}, false},
        {QStringLiteral("Event"), 105, QStringLiteral("KEY_VOL_DOWN"), false},
    };
}

int LoopTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : GetLoopCount(m_table);
}

QVariant LoopTableModel::data(const QModelIndex& index, int role) const {
    const LoopEntry* loop = GetLoop(m_table, static_cast<std::uint8_t>(index.row()));
    if (loop == nullptr) {
        return {};
    }
    return rowCell(loopRowTexts(*loop), loop->Checked != 0, index.column(), role);
}

Qt::ItemFlags LoopTableModel::flags(const QModelIndex& index) const {
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    return index.column() == 0 ? shown | Qt::ItemIsUserCheckable : shown;
}

bool LoopTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const LoopEntry* loop = GetLoop(m_table, static_cast<std::uint8_t>(index.row()));
    if (loop == nullptr || index.column() != 0 || role != Qt::CheckStateRole) {
        return false;
    }
    LoopFields fields = loopFieldsOf(*loop);
    fields.Checked = value.toInt() == Qt::Checked ? 1 : 0;
    m_editor.editLoop(static_cast<std::uint8_t>(index.row()), fields);
    return true;
}

void LoopTableModel::reread() {
    beginResetModel();
    endResetModel();
}

void LoopTableModel::writeFields(std::uint8_t row, const LoopFields& fields) {
    LoopEntry* loop = GetLoop(m_table, row);
    if (loop == nullptr) {
        return;
    }
    setLoopFields(*loop, fields);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void LoopTableModel::insertLoopRow(std::uint8_t row, const LoopEntry& loop) {
    if (row > GetLoopCount(m_table) || GetLoopCount(m_table) >= kMaxLoops) {
        return;
    }
    beginInsertRows({}, row, row);
    insertLoop(m_table, row, loop);
    endInsertRows();
}

void LoopTableModel::removeLoopRow(std::uint8_t row) {
    if (row >= GetLoopCount(m_table)) {
        return;
    }
    beginRemoveRows({}, row, row);
    RemoveLoop(m_table, row);
    endRemoveRows();
}

void LoopTableModel::moveLoopRow(std::uint8_t from, std::uint8_t to) {
    if (from == to || from >= GetLoopCount(m_table) || to >= GetLoopCount(m_table)) {
        return;
    }
    // Qt names the row the moved one goes before, counted before the move.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    moveLoop(m_table, from, to);
    endMoveRows();
}

} // namespace orvex
