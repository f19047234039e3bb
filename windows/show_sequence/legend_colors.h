#pragma once

#include <QColor>

namespace orvex {

// The schedule's legend colours, shared by every window that shows a loop's state.
inline const QColor kActiveColor(0xCC, 0xFF, 0xCC);
inline const QColor kOverlappedColor(0xFF, 0xFF, 0xCC);
inline const QColor kOffColor(0xFF, 0xCC, 0xCC);

} // namespace orvex
