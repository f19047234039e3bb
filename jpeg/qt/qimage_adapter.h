#pragma once

#include "jpeg/rgb_image.h"

#include <QImage>
#include <QSize>

namespace orvex {

// A Format_RGB888 copy that owns its pixels. A null QImage when `image` is empty, its pixel
// count does not match its size, or the memory cannot be had.
QImage toQImage(const RgbImage& image);

// `image` scaled up or down with smooth filtering to the largest size that fits in `box` with
// its proportions kept, never thinner than one pixel. A null QImage for a null image or an
// empty box.
QImage scaledToFit(const QImage& image, QSize box);

} // namespace orvex
