#pragma once

#include "schedule/schedule_table.h"

namespace orvex {

// Empties the table and fills it with the change moments of the calendar day of `date` (its
// time of day is ignored): a row at each second at which some loop starts or stops playing,
// listing every loop that plays then and every loop that has just stopped.
void ComputeSchedule(ScheduleTable& table, const LoopTable& loops, TDateTime date);

// Appends the row for a change at `second` of the day from the table's CurMatch and PrevMatch,
// then makes PrevMatch follow CurMatch. A call at which no loop changed adds no row.
void AppendScheduleRow(ScheduleTable& table, const LoopTable& loops, int second);

} // namespace orvex
