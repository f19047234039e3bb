#pragma once

#include "insight/moment.h"
#include "insight/play_state.h"
#include "schedule/schedule_table.h"

#include <optional>
#include <vector>

namespace orvex::testing {

// Each loop's state at `second` as the day's schedule rows say: the row in effect then is the
// last one at or before it, and nothing plays before the first row.
std::vector<PlayState> statesFromRows(const ScheduleTable& table, int loopCount, int second);

// Every moment at which some loop begins to play over days, read from each day's schedule
// rows: the loop plays in a row and did not in the one before, or, in a day's first row, at
// the end of the day before.
class StartsFromRows {
public:
    StartsFromRows(const LoopTable& loops, std::int64_t firstDay, std::int64_t lastDay);
    // The first start of `loop` after `after`, up to the last day.
    std::optional<Moment> firstAfter(std::uint8_t loop, Moment after) const;

private:
    std::vector<std::vector<Moment>> m_starts;
};

} // namespace orvex::testing
