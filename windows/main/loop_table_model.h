#pragma once

#include "model/records.h"
#include "model/sequence_edits.h"
#include "windows/main/report_table_model.h"

#include <cstdint>
#include <vector>

namespace orvex {

class SequenceEditor;

// The loops of the sequence in priority order, a row each, with the cells of the loop list.
// A tick in a row's box is an edit of the sequence, made through the editor's history.
class LoopTableModel : public ReportTableModel {
    Q_OBJECT
public:
    LoopTableModel(SequenceEditor& editor, LoopTable& table, QObject* parent = nullptr);

    static std::vector<ReportColumn> defaultColumns();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

    // The changes the history makes; each tells the views what changed.
    void reread();
    void writeFields(std::uint8_t row, const LoopFields& fields);
    void insertLoopRow(std::uint8_t row, const LoopEntry& loop);
    void removeLoopRow(std::uint8_t row);
    void moveLoopRow(std::uint8_t from, std::uint8_t to);

private:
    SequenceEditor& m_editor;
    LoopTable& m_table;
};

} // namespace orvex
