#pragma once

#include "jpeg/rgb_image.h"

#include <string>
#include <utility>
#include <variant>

namespace orvex {

enum class DecodeErrorKind {
    kCannotOpen,  // missing, unreadable, a folder, or not a regular file
    kEmpty,       // zero bytes
    kNotJpeg,     // does not start like a JPEG file
    kCorrupt,     // damaged or truncated JPEG data, including data libjpeg only warns about
    kUnsupported, // a valid JPEG of a kind libjpeg cannot turn into RGB
    kOverLimit,   // would need more pixels, memory or scans than a picture may take
};

struct DecodeError {
    DecodeErrorKind kind = DecodeErrorKind::kCorrupt;
    // English sentence to show after the file name, e.g. "The file is not a JPEG image."
    std::string message;
};

// A picture's size in pixels, as its header gives it.
struct ImageSize {
    int width = 0;
    int height = 0;
};

// Either the whole of what was asked for or the reason there is none; never a part of it.
template <typename Value> class JpegResult {
public:
    // Implicit on purpose, so that a decoder can simply return a value or an error.
    JpegResult(Value value) : m_value(std::move(value)) {}
    JpegResult(DecodeError error) : m_value(std::move(error)) {}

    bool ok() const { return std::holds_alternative<Value>(m_value); }
    // Throws std::bad_variant_access when called on the other alternative.
    const Value& value() const { return std::get<Value>(m_value); }
    const DecodeError& error() const { return std::get<DecodeError>(m_value); }

private:
    std::variant<Value, DecodeError> m_value;
};

// Either a whole decoded picture or the reason there is none; never a partial picture.
class DecodeResult : public JpegResult<RgbImage> {
public:
    using JpegResult::JpegResult;
    const RgbImage& image() const { return value(); }
};

using SizeResult = JpegResult<ImageSize>;

} // namespace orvex
