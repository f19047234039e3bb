#include "jpeg/tests/rgb_checks.h"

#include <cstddef>
#include <cstdlib>

namespace orvex::test {

::testing::AssertionResult pixelNear(const RgbImage& image, int x, int y, Rgb expected,
                                     int tolerance) {
    if (x < 0 || y < 0 || x >= image.width || y >= image.height) {
        return ::testing::AssertionFailure() << "(" << x << ", " << y << ") lies outside "
                                             << image.width << " x " << image.height;
    }
    const std::size_t at = (static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width) +
                            static_cast<std::size_t>(x)) *
                           3;
    const Rgb actual{image.pixels.at(at), image.pixels.at(at + 1), image.pixels.at(at + 2)};
    if (std::abs(actual.red - expected.red) > tolerance ||
        std::abs(actual.green - expected.green) > tolerance ||
        std::abs(actual.blue - expected.blue) > tolerance) {
        return ::testing::AssertionFailure()
               << "pixel (" << x << ", " << y << ") is (" << actual.red << ", " << actual.green
               << ", " << actual.blue << "), expected (" << expected.red << ", " << expected.green
               << ", " << expected.blue << ") +- " << tolerance;
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult quadrantsNear(const RgbImage& image, const std::array<Rgb, 4>& expected,
                                         int tolerance) {
    const int left = image.width / 4;
    const int top = image.height / 4;
    const std::array<std::array<int, 2>, 4> centres = {
        {{left, top}, {left * 3, top}, {left, top * 3}, {left * 3, top * 3}}};
    for (std::size_t i = 0; i < centres.size(); ++i) {
        auto result = pixelNear(image, centres[i][0], centres[i][1], expected[i], tolerance);
        if (!result) {
            return result;
        }
    }
    return ::testing::AssertionSuccess();
}

} // namespace orvex::test
