#pragma once

#include "model/records.h"
#include "windows/main/report_table_model.h"

#include <cstdint>
#include <vector>

namespace orvex {

class SequenceEditor;

// The picture entries of one loop, a row each, with the cells of the image list. A tick in a
// row's box and a row dragged to another place are edits made through the editor's history.
// It follows its loop when loops are added, deleted or moved, and shows nothing once its loop
// is deleted.
class ImageTableModel : public ReportTableModel {
    Q_OBJECT
public:
    static constexpr int kNoLoop = -1;
    static constexpr const char* kRowsMimeType = "application/x-orvex-picture-rows";

    ImageTableModel(SequenceEditor& editor, LoopTable& table, QAbstractItemModel& loops,
                    QObject* parent = nullptr);

    static std::vector<ReportColumn> defaultColumns();

    int shownLoop() const { return m_loop; }
    void showLoop(int loop);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    Qt::DropActions supportedDropActions() const override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    bool dropMimeData(const QMimeData* data, Qt::DropAction action, int row, int column,
                      const QModelIndex& parent) override;

    // The changes the history makes to loop `loop`; rows are told only when it is shown.
    void writeItem(std::uint8_t loop, std::uint8_t row, const ImageItem& item);
    void insertItemRows(std::uint8_t loop, std::uint8_t row, const std::vector<ImageItem>& items);
    void removeItemRow(std::uint8_t loop, std::uint8_t row);
    void moveItemRow(std::uint8_t loop, std::uint8_t from, std::uint8_t to);

private:
    const LoopEntry* loop() const;
    void followLoopMove(int from, int before);

    SequenceEditor& m_editor;
    LoopTable& m_table;
    int m_loop = kNoLoop;
};

} // namespace orvex
