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

// Either a whole decoded picture or the reason there is none; never a partial picture.
class DecodeResult {
public:
    // Implicit on purpose, so that a decoder can simply return an image or an error.
    DecodeResult(RgbImage image) : m_value(std::move(image)) {}
    DecodeResult(DecodeError error) : m_value(std::move(error)) {}

    bool ok() const { return std::holds_alternative<RgbImage>(m_value); }
    // Throws std::bad_variant_access when called on the other alternative.
    const RgbImage& image() const { return std::get<RgbImage>(m_value); }
    const DecodeError& error() const { return std::get<DecodeError>(m_value); }

private:
    std::variant<RgbImage, DecodeError> m_value;
};

} // namespace orvex
