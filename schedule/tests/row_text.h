#pragma once

#include "schedule/schedule_table.h"

#include <string>
#include <vector>

namespace orvex::testing {

// One text per row, such as "08:00:00 L1:Overlapped L0:Active", for readable expectations.
std::vector<std::string> rowTexts(const ScheduleTable& table, const LoopTable& loops);

} // namespace orvex::testing
