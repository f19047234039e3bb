#pragma once

#include "jpeg/rgb_image.h"

#include <array>
#include <gtest/gtest.h>

namespace orvex::test {

struct Rgb {
    int red = 0;
    int green = 0;
    int blue = 0;
};

// Whether pixel (x, y) is within `tolerance` of `expected` in every channel. JPEG is lossy, so
// colours are only ever compared this way.
::testing::AssertionResult pixelNear(const RgbImage& image, int x, int y, Rgb expected,
                                     int tolerance);

// The same at the centre of each quarter: top-left, top-right, bottom-left, bottom-right.
::testing::AssertionResult quadrantsNear(const RgbImage& image, const std::array<Rgb, 4>& expected,
                                         int tolerance);

} // namespace orvex::test
