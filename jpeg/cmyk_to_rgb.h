#pragma once

#include <cstddef>
#include <cstdint>

namespace orvex::detail {

// Converts `pixelCount` CMYK pixels (4 bytes each) to RGB (3 bytes each). Files with an Adobe
// marker store CMYK inverted (255 means no ink), as Adobe's programs write it; others store ink.
void cmykToRgb(const std::uint8_t* cmyk, std::uint8_t* rgb, std::size_t pixelCount,
               bool adobeInverted);

} // namespace orvex::detail
