#pragma once

#include <cstdint>
#include <vector>

namespace orvex {

// A decoded picture: rows top to bottom, each row packed left to right as R, G, B bytes with no
// padding, so pixel (x, y) starts at (y * width + x) * 3.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
};

} // namespace orvex
