#include "jpeg/tests/printers.h"

namespace orvex {

void PrintTo(DecodeErrorKind kind, std::ostream* out) {
    switch (kind) {
    case DecodeErrorKind::kCannotOpen:
        *out << "kCannotOpen";
        return;
    case DecodeErrorKind::kEmpty:
        *out << "kEmpty";
        return;
    case DecodeErrorKind::kNotJpeg:
        *out << "kNotJpeg";
        return;
    case DecodeErrorKind::kCorrupt:
        *out << "kCorrupt";
        return;
    case DecodeErrorKind::kUnsupported:
        *out << "kUnsupported";
        return;
    case DecodeErrorKind::kOverLimit:
        *out << "kOverLimit";
        return;
    }
    *out << "DecodeErrorKind(" << static_cast<int>(kind) << ")";
}

} // namespace orvex
