#pragma once

#include <QPixmap>

namespace orvex {

// The small picture in the main window's top right corner.
QPixmap decorativeBadge(int width, int height);

} // namespace orvex
