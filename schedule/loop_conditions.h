#pragma once

#include "model/records.h"

#include <optional>

namespace orvex {

// The bound test of a loop: dates count by their calendar day only, times by their time of day
// to the second. An absent bound does not limit; present bounds are inclusive, and a first time
// after the last time lets no time of day pass (there is no wrap past midnight).
bool InDateTimeWindow(std::optional<TDateTime> firstDate, std::optional<TDateTime> firstTime,
                      std::optional<TDateTime> lastDate, std::optional<TDateTime> lastTime,
                      TDateTime date, TDateTime time);

// Whether loop `index` plays on `date` at `time` of day. An index beyond the table's loops
// never plays.
bool LoopIsActive(const LoopTable& loops, std::uint8_t index, TDateTime date, TDateTime time);

// The loops in use; a corrupt count never reaches past the table.
int usedLoopCount(const LoopTable& loops);

} // namespace orvex
