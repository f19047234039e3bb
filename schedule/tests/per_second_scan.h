#pragma once

#include "schedule/schedule_table.h"

namespace orvex::testing {

// The plain evaluation the fast one must match: every loop tested at every second of the day,
// a row appended at each second at which some loop's match changes.
void scanSchedule(ScheduleTable& table, const LoopTable& loops, TDateTime date);

} // namespace orvex::testing
