#pragma once

#include <cstdint>

namespace orvex {

// A loop's part at one moment, by the schedule's rules: of the loops that play, the one of
// highest priority is Active and every other one Overlapped.
enum class PlayState : std::uint8_t { NotPlaying, Active, Overlapped };

} // namespace orvex
