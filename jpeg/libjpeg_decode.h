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

} // namespace orvex::detail
