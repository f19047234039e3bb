#include "jpeg/cmyk_to_rgb.h"

namespace orvex::detail {

namespace {

// (a * b) / 255 rounded, for a and b in 0..255.
std::uint8_t multiplyScaled(int a, int b) {
    return static_cast<std::uint8_t>((a * b + 127) / 255);
}

} // namespace

void cmykToRgb(const std::uint8_t* cmyk, std::uint8_t* rgb, std::size_t pixelCount,
               bool adobeInverted) {
    // The share of light an ink value lets through, 255 = all of it.
    const auto light = [adobeInverted](std::uint8_t value) {
        return adobeInverted ? int{value} : 255 - int{value};
    };
    for (std::size_t i = 0; i < pixelCount; ++i, cmyk += 4, rgb += 3) {
        const int black = light(cmyk[3]);
        rgb[0] = multiplyScaled(light(cmyk[0]), black);
        rgb[1] = multiplyScaled(light(cmyk[1]), black);
        rgb[2] = multiplyScaled(light(cmyk[2]), black);
    }
}

} // namespace orvex::detail
