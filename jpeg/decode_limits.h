#pragma once

#include <cstdint>

namespace orvex {

// A JPEG header can claim up to 65500 x 65500 pixels in a few hundred bytes; these keep such a
// claim from costing gigabytes or minutes before the missing data would show it up.

// Most pixels a decode may produce (after DCT scaling): 300 MB of RGB.
inline constexpr std::uint64_t kMaxDecodedPixels = 100'000'000;

// Most memory libjpeg may take for whole-image buffers, which progressive and multi-scan files
// need at full size whatever the scale. Enough for about 90 megapixels of 4:4:4 colour.
inline constexpr long kMaxLibjpegMemoryBytes = 512L * 1024 * 1024;

// Most scans a file may have. Real files have a dozen or so; thousands of tiny scans would
// make a small file very slow to decode.
inline constexpr int kMaxScans = 500;

} // namespace orvex
