#pragma once

#include "windows/main/report_view.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <vector>

namespace orvex {

// A table of rows shown in a ReportView: its columns and their captions, which the language
// switch may change, and what a row shows in each of its cells.
class ReportTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    ReportTableModel(std::vector<ReportColumn> columns, QObject* parent);

    const std::vector<ReportColumn>& columns() const { return m_columns; }

    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    bool setHeaderData(int section, Qt::Orientation orientation, const QVariant& value,
                       int role = Qt::EditRole) override;

protected:
    // A row's cell for `role`: its texts, the check box before its caption, the caption left
    // and the other cells centred, and the whole caption as the tooltip of a cut-short one.
    static QVariant rowCell(const QStringList& texts, bool checked, int column, int role);

private:
    std::vector<ReportColumn> m_columns;
};

} // namespace orvex
