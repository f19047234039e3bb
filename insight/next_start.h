#pragma once

#include "insight/moment.h"
#include "model/records.h"

#include <optional>

namespace orvex {

// How far ahead a next start is sought: the rest of the day and this many days after it, so
// that a loop playing on one date a year is always found.
inline constexpr int kLookAheadDays = 366;

// The first second after `after` at which the loop begins to play: it plays then and did not
// play the second before, counted across midnight, so a loop that plays on through the night
// does not start again at 00:00:00. None when it does not start within kLookAheadDays.
std::optional<Moment> nextStart(const LoopEntry& loop, Moment after);

} // namespace orvex
