#pragma once

#include <QString>
#include <QTableView>
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

// A list of rows with a check box before each row's caption, whole-row selection that stays
// visible while another control has the focus, and no in-place editing. Tab leaves the list
// rather than walking its cells; Space ticks or clears the current row's box.
class ReportView : public QTableView {
    Q_OBJECT
public:
    explicit ReportView(bool gridLines, QWidget* parent = nullptr);

    // Shows `model`, its columns sized to their captions and widest texts, again whenever a
    // caption changes.
    void showModel(class ReportTableModel* model);
    // -1 when no row is selected; with several, the current one.
    int selectedRow() const;
    // Makes `row` the only selected and the current row and scrolls it into view; a row
    // outside the list clears the selection.
    void selectOnly(int row);
    void scrollIntoView(const QModelIndex& index);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void fitColumns(std::span<const ReportColumn> columns);
};

} // namespace orvex
