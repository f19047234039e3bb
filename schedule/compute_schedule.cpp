#include "schedule/compute_schedule.h"

#include "schedule/loop_conditions.h"
#include "schedule/playing_span.h"

#include <algorithm>
#include <optional>

namespace orvex {

// Rather than testing every loop at each of the 86 400 seconds, each loop's playing span is
// worked out once from its bounds; only the span ends can change the set of playing loops.
void ComputeSchedule(ScheduleTable& table, const LoopTable& loops, TDateTime date) {
    table.RowCount = 0;
    table.PrevMatch.fill(0);
    table.CurMatch.fill(0);

    const std::int64_t day = dayNumberOf(date);
    const int loopCount = usedLoopCount(loops);
    constexpr PlayingSpan kNever{1, 0};
    std::array<PlayingSpan, kMaxLoops> spans;
    std::array<int, kMaxScheduleRows> moments;
    std::size_t momentCount = 0;
    for (int i = 0; i < loopCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        const auto span = playingSpanOf(loops.Loops[index], day);
        spans[index] = span.value_or(kNever);
        if (!span) {
            continue;
        }
        moments[momentCount++] = span->first;
        if (span->last < kSecondsPerDay - 1) {
            moments[momentCount++] = span->last + 1;
        }
    }
    const auto momentsEnd = moments.begin() + static_cast<std::ptrdiff_t>(momentCount);
    std::sort(moments.begin(), momentsEnd);

    const auto distinctEnd = std::unique(moments.begin(), momentsEnd);
    for (auto it = moments.begin(); it != distinctEnd; ++it) {
        const int second = *it;
        for (int i = 0; i < loopCount; ++i) {
            const auto index = static_cast<std::size_t>(i);
            table.CurMatch[index] =
                spans[index].first <= second && second <= spans[index].last ? 1 : 0;
        }
        AppendScheduleRow(table, loops, second);
    }
}

void AppendScheduleRow(ScheduleTable& table, const LoopTable& loops, int second) {
    // A day cannot fill the table (see kMaxScheduleRows); this only guards callers that set
    // CurMatch by hand more often than a day can change.
    if (table.RowCount >= kMaxScheduleRows) {
        table.PrevMatch = table.CurMatch;
        return;
    }
    ScheduleRow& row = table.rowSlots[table.RowCount];
    row.second = second;
    std::size_t count = 0;
    // At most one entry of a row is Active at any time, so the nearest Active entry to the
    // left is always this one.
    std::optional<std::size_t> activeColumn;
    for (int i = usedLoopCount(loops) - 1; i >= 0; --i) {
        const auto index = static_cast<std::size_t>(i);
        const bool matches = table.CurMatch[index] != 0;
        const bool matched = table.PrevMatch[index] != 0;
        table.PrevMatch[index] = table.CurMatch[index];
        if (!matches && !matched) {
            continue;
        }
        EntryState state = EntryState::Off;
        if (matches) {
            if (activeColumn) {
                row.entrySlots[*activeColumn].state = EntryState::Overlapped;
            }
            activeColumn = count;
            state = EntryState::Active;
        }
        row.entrySlots[count++] = {static_cast<std::uint8_t>(i), state};
    }
    row.entryCount = static_cast<std::uint8_t>(count);
    if (count > 0) {
        ++table.RowCount;
    }
}

} // namespace orvex
