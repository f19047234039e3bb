#include "jpeg/dct_scale.h"

#include <array>
#include <cstdint>

namespace orvex {

namespace {

constexpr std::array<int, 3> kDenominatorsStrongestFirst = {8, 4, 2};

} // namespace

int scaleDenominatorFor(int imageWidth, int imageHeight, ScaleRequest request) {
    if (imageWidth <= 0 || imageHeight <= 0 || request.boxWidth <= 0 || request.boxHeight <= 0) {
        return 1;
    }
    // Fitting scales by min(boxWidth / imageWidth, boxHeight / imageHeight); 1/d covers that
    // when it is at least one of the two ratios. Cross-multiplied to stay exact.
    const std::int64_t width = imageWidth;
    const std::int64_t height = imageHeight;
    for (const int denominator : kDenominatorsStrongestFirst) {
        if (std::int64_t{denominator} * request.boxWidth <= width ||
            std::int64_t{denominator} * request.boxHeight <= height) {
            return denominator;
        }
    }
    return 1;
}

} // namespace orvex
