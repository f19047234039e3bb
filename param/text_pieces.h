#pragma once

#include <functional>
#include <string_view>

namespace orvex {

// Receives a long text a piece at a time, so that the whole of it need never be held at once.
using TextPieces = std::function<void(std::string_view piece)>;

} // namespace orvex
