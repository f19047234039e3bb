#pragma once

#include "windows/main/report_view.h"

#include <QStringList>
#include <QVariant>
#include <vector>

namespace orvex {

// What a list row shows for `role` in `column`: its texts, the check box before its caption,
// the caption left and the other cells centred.
QVariant reportCell(const QStringList& texts, bool checked, int column, int role);
// A column caption, the first one left-aligned as its cells are.
QVariant reportHeader(const std::vector<ReportColumn>& columns, int section,
                      Qt::Orientation orientation, int role);

} // namespace orvex
