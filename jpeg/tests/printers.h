#pragma once

#include "jpeg/decode_result.h"

#include <ostream>

namespace orvex {

// Lets failed expectations name the kind instead of dumping its bytes.
void PrintTo(DecodeErrorKind kind, std::ostream* out);

} // namespace orvex
