#pragma once

#include <QStringList>
#include <QTableWidget>
#include <span>

namespace orvex {

struct ReportColumn {
    QString caption;
    // The width the column is given at least; it grows to fit its caption and `widest`, the
    // longest text it will show, so that the user's font never cuts a date or a time short.
    int width = 0;
    QString widest;
    // Takes whatever width the other columns leave, so that the list needs no sideways scrolling.
    bool stretch = false;
};

// A list of rows with a check box before each row's caption, whole-row single selection that
// stays visible while another control has the focus, and no in-place editing. The first
// column is the row caption, left-aligned; the other cells are centred.
class ReportList : public QTableWidget {
    Q_OBJECT
public:
    ReportList(std::span<const ReportColumn> columns, bool gridLines, QWidget* parent = nullptr);

    // Replaces every row with `rowCount` empty ones, without signals for the lost selection.
    void resetRows(int rowCount);
    // The caption followed by the cells; does not touch the check box.
    void setRowTexts(int row, const QStringList& texts);
    void setRowChecked(int row, bool checked);
    bool isRowChecked(int row) const;
    // -1 when no row is selected.
    int selectedRow() const;
};

} // namespace orvex
