#include "schedule/tests/per_second_scan.h"

#include "schedule/compute_schedule.h"
#include "schedule/loop_conditions.h"

namespace orvex::testing {

void scanSchedule(ScheduleTable& table, const LoopTable& loops, TDateTime date) {
    table.RowCount = 0;
    table.PrevMatch.fill(0);
    table.CurMatch.fill(0);
    const int loopCount = usedLoopCount(loops);
    for (int hour = 0; hour < 24; ++hour) {
        for (int minute = 0; minute < 60; ++minute) {
            for (int second = 0; second < 60; ++second) {
                const TDateTime time = encodeTime({hour, minute, second});
                bool changed = false;
                for (int i = 0; i < loopCount; ++i) {
                    const auto index = static_cast<std::size_t>(i);
                    table.CurMatch[index] =
                        LoopIsActive(loops, static_cast<std::uint8_t>(i), date, time) ? 1 : 0;
                    changed = changed || table.CurMatch[index] != table.PrevMatch[index];
                }
                if (changed) {
                    AppendScheduleRow(table, loops, hour * 3600 + minute * 60 + second);
                }
            }
        }
    }
}

} // namespace orvex::testing
