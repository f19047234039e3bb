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

// The picture's size from the file's header, which is checked as a decode would check it;
// the compressed data after it is not read.
SizeResult readJpegFileSize(const std::string& path);

// The same as decodeJpegFile for JPEG data already in memory.
DecodeResult decodeJpegBuffer(std::span<const std::uint8_t> data, ScaleRequest request);

} // namespace orvex
