#pragma once

#include "jpeg/decode_result.h"
#include "jpeg/scale_request.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>

namespace orvex::detail {

// Where the compressed data comes from: the open file when `file` is set, else the buffer.
struct JpegSource {
    std::FILE* file = nullptr;
    const std::uint8_t* data = nullptr;
    std::size_t size = 0;
};

DecodeResult decodeWithLibjpeg(const JpegSource& source, ScaleRequest request);
// Reads no further than the header, which it checks as a decode would.
SizeResult readSizeWithLibjpeg(const JpegSource& source);

} // namespace orvex::detail
