#pragma once

#include "jpeg/decode_result.h"
#include "jpeg/scale_request.h"

#include <cstdint>
#include <span>
#include <string>

namespace orvex {

// Decodes a JPEG file into RGB. Grayscale, YCbCr, CMYK (Adobe's inverted form too) and
// progressive files all come out as RGB; anything libjpeg reports as damaged is an error.
DecodeResult decodeJpegFile(const std::string& path, ScaleRequest request);

// The same for JPEG data already in memory.
DecodeResult decodeJpegBuffer(std::span<const std::uint8_t> data, ScaleRequest request);

} // namespace orvex
