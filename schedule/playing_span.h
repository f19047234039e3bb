#pragma once

#include "model/records.h"

#include <optional>

namespace orvex {

// The seconds of one day during which a loop plays, both ends inclusive. A loop's conditions
// hold either on a whole day or not at all, apart from its time bounds, so this one span is
// all a day holds for it.
struct PlayingSpan {
    int first = 0;
    int last = kSecondsPerDay - 1;
    friend bool operator==(const PlayingSpan&, const PlayingSpan&) = default;
};

// None when the loop does not play at any second of the day.
std::optional<PlayingSpan> playingSpanOf(const LoopEntry& loop, std::int64_t dayNumber);

} // namespace orvex
