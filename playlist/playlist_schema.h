#pragma once

#include "model/records.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace orvex {

// Every value of the playlist lives under one of three path prefixes; a key follows each,
// colon first (":Name").
inline constexpr const char* kMainPrefix = "PARAMS:MAIN";

inline std::string loopPrefix(std::uint8_t loop) {
    return "PARAMS:LOOP" + std::to_string(loop);
}

inline std::string itemPrefix(std::uint8_t loop, std::uint8_t item) {
    return loopPrefix(loop) + ":IMAGE_ITEM" + std::to_string(item);
}

// Counts that came from a file or a faulty edit are never trusted past the slots that exist.
inline std::uint8_t loopsInUse(const LoopTable& table) {
    return std::min<std::uint8_t>(table.LoopCount, kMaxLoops);
}

inline std::uint8_t itemsInUse(const LoopEntry& loop) {
    return std::min<std::uint8_t>(loop.nItems, kMaxImageItems);
}

} // namespace orvex
