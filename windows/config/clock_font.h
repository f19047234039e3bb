#pragma once

#include <QFont>

namespace orvex {

// The seven-segment face the player's clock looks like, bold and 15 pixels high; a monospace
// font where the face is not installed.
QFont clockFont();

} // namespace orvex
