#include "windows/main/image_table_model.h"

#include "model/sequence_edits.h"
#include "model/store.h"
#include "platform/services.h"
#include "windows/main/row_texts.h"
#include "windows/main/sequence_editor.h"

#include <QMimeData>

namespace orvex {

ImageTableModel::ImageTableModel(SequenceEditor& editor, LoopTable& table,
                                 QAbstractItemModel& loops, QObject* parent)
    : ReportTableModel(defaultColumns(), parent), m_editor(editor), m_table(table) {
    connect(&loops, &QAbstractItemModel::modelReset, this, [this] { showLoop(kNoLoop); });
    connect(&loops, &QAbstractItemModel::rowsAboutToBeRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                if (m_loop >= first && m_loop <= last) {
                    showLoop(kNoLoop);
                }
            });
    connect(&loops, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int first, int last) {
                if (m_loop > last) {
                    m_loop -= last - first + 1;
                }
            });
    connect(&loops, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) {
                if (m_loop >= first) {
                    m_loop += last - first + 1;
                }
            });
    connect(&loops, &QAbstractItemModel::rowsMoved, this,
            [this](const QModelIndex&, int from, int, const QModelIndex&, int before) {
                followLoopMove(from, before);
            });
}

std::vector<ReportColumn> ImageTableModel::defaultColumns() {
    return {
        {QStringLiteral("File Name"), 160, {}, true},
        {QStringLiteral("Duration"), 60,
         modelText(formatTime(regional(), encodeTime({23, 58, 58}))), false},
        {QStringLiteral("Position"), 60, QStringLiteral("BOTTOM"), false},
    };
}

void ImageTableModel::followLoopMove(int from, int before) {
    if (m_loop == kNoLoop) {
        return;
    }
    if (m_loop == from) {
        m_loop = before > from ? before - 1 : before;
    } else if (from < m_loop && m_loop < before) {
        --m_loop;
    } else if (before <= m_loop && m_loop < from) {
        ++m_loop;
    }
}

void ImageTableModel::showLoop(int loop) {
    beginResetModel();
    m_loop = loop >= 0 && loop < GetLoopCount(m_table) ? loop : kNoLoop;
    endResetModel();
}

const LoopEntry* ImageTableModel::loop() const {
    return m_loop == kNoLoop ? nullptr : GetLoop(m_table, static_cast<std::uint8_t>(m_loop));
}

int ImageTableModel::rowCount(const QModelIndex& parent) const {
    const LoopEntry* shown = loop();
    return parent.isValid() || shown == nullptr ? 0 : shown->nItems;
}

QVariant ImageTableModel::data(const QModelIndex& index, int role) const {
    const LoopEntry* shown = loop();
    if (shown == nullptr || index.row() < 0 || index.row() >= shown->nItems) {
        return {};
    }
    const ImageItem& item = shown->Items[static_cast<std::size_t>(index.row())];
    return rowCell(imageRowTexts(item), item.Checked != 0, index.column(), role);
}

Qt::ItemFlags ImageTableModel::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::ItemIsDropEnabled;
    }
    const Qt::ItemFlags shown = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
    return index.column() == 0 ? shown | Qt::ItemIsUserCheckable : shown;
}

bool ImageTableModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    const LoopEntry* shown = loop();
    if (shown == nullptr || index.column() != 0 || role != Qt::CheckStateRole ||
        index.row() >= shown->nItems) {
        return false;
    }
    const auto row = static_cast<std::uint8_t>(index.row());
    ImageItem item = shown->Items[row];
    item.Checked = value.toInt() == Qt::Checked ? 1 : 0;
    m_editor.editImages(static_cast<std::uint8_t>(m_loop), {{row, item}});
    return true;
}

Qt::DropActions ImageTableModel::supportedDropActions() const {
    return Qt::MoveAction;
}

QStringList ImageTableModel::mimeTypes() const {
    return {QString::fromLatin1(kRowsMimeType)};
}

QMimeData* ImageTableModel::mimeData(const QModelIndexList& indexes) const {
    if (indexes.isEmpty()) {
        return nullptr;
    }
    auto* data = new QMimeData;
    data->setData(QString::fromLatin1(kRowsMimeType), QByteArray::number(indexes.first().row()));
    return data;
}

bool ImageTableModel::dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int,
                                   const QModelIndex& parent) {
    const LoopEntry* shown = loop();
    if (shown == nullptr || data == nullptr || action != Qt::MoveAction ||
        !data->hasFormat(QString::fromLatin1(kRowsMimeType))) {
        return false;
    }
    bool ok = false;
    const int from = data->data(QString::fromLatin1(kRowsMimeType)).toInt(&ok);
    if (!ok || from < 0 || from >= shown->nItems) {
        return false;
    }
    // Dropped on a row, the picture takes that row's place; dropped below the rows, the last.
    int before = row >= 0 ? row : (parent.isValid() ? parent.row() : shown->nItems);
    before = std::min<int>(before, shown->nItems);
    const int to = before > from ? before - 1 : before;
    if (to != from) {
        m_editor.moveImage(static_cast<std::uint8_t>(m_loop), static_cast<std::uint8_t>(from),
                           static_cast<std::uint8_t>(to));
    }
    return true;
}

void ImageTableModel::writeItem(std::uint8_t loopIndex, std::uint8_t row, const ImageItem& item) {
    LoopEntry* target = GetLoop(m_table, loopIndex);
    if (target == nullptr || row >= target->nItems) {
        return;
    }
    target->Items[row] = item;
    if (m_loop == loopIndex) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    }
}

void ImageTableModel::insertItemRows(std::uint8_t loopIndex, std::uint8_t row,
                                     const std::vector<ImageItem>& items) {
    const LoopEntry* target = GetLoop(m_table, loopIndex);
    if (target == nullptr || items.empty() || row > target->nItems ||
        target->nItems + items.size() > kMaxImageItems) {
        return;
    }
    const bool shown = m_loop == loopIndex;
    if (shown) {
        beginInsertRows({}, row, row + static_cast<int>(items.size()) - 1);
    }
    for (std::size_t i = 0; i < items.size(); ++i) {
        insertImageItem(m_table, loopIndex, static_cast<std::uint8_t>(row + i), items[i]);
    }
    if (shown) {
        endInsertRows();
    }
}

void ImageTableModel::removeItemRow(std::uint8_t loopIndex, std::uint8_t row) {
    const LoopEntry* target = GetLoop(m_table, loopIndex);
    if (target == nullptr || row >= target->nItems) {
        return;
    }
    const bool shown = m_loop == loopIndex;
    if (shown) {
        beginRemoveRows({}, row, row);
    }
    RemoveImageItem(m_table, loopIndex, row);
    if (shown) {
        endRemoveRows();
    }
}

void ImageTableModel::moveItemRow(std::uint8_t loopIndex, std::uint8_t from, std::uint8_t to) {
    const LoopEntry* target = GetLoop(m_table, loopIndex);
    if (target == nullptr || from == to || from >= target->nItems || to >= target->nItems) {
        return;
    }
    const bool shown = m_loop == loopIndex;
    if (shown) {
        beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    }
    moveImageItem(m_table, loopIndex, from, to);
    if (shown) {
        endMoveRows();
    }
}

} // namespace orvex
