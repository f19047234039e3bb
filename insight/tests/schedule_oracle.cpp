#include "insight/tests/schedule_oracle.h"

#include "schedule/compute_schedule.h"

#include <algorithm>
#include <memory>

namespace orvex::testing {
namespace {

std::vector<PlayState> statesOfRow(const ScheduleRow* row, int loopCount) {
    std::vector<PlayState> states(static_cast<std::size_t>(loopCount), PlayState::NotPlaying);
    if (row == nullptr) {
        return states;
    }
    for (const ScheduleEntry& entry : row->entries()) {
        states[entry.loop] = entry.state == EntryState::Active       ? PlayState::Active
                             : entry.state == EntryState::Overlapped ? PlayState::Overlapped
                                                                     : PlayState::NotPlaying;
    }
    return states;
}

} // namespace

std::vector<PlayState> statesFromRows(const ScheduleTable& table, int loopCount, int second) {
    const ScheduleRow* inEffect = nullptr;
    for (const ScheduleRow& row : table.rows()) {
        if (row.second <= second) {
            inEffect = &row;
        }
    }
    return statesOfRow(inEffect, loopCount);
}

StartsFromRows::StartsFromRows(const LoopTable& loops, std::int64_t firstDay, std::int64_t lastDay)
    : m_starts(loops.LoopCount) {
    const auto table = std::make_unique<ScheduleTable>();
    std::vector<bool> playing(loops.LoopCount, false);
    for (std::int64_t day = firstDay - 1; day <= lastDay; ++day) {
        ComputeSchedule(*table, loops, static_cast<TDateTime>(day));
        const auto rows = table->rows();
        // Without a row at midnight nothing plays then, whatever played the evening before.
        if (rows.empty() || rows.front().second > 0) {
            playing.assign(playing.size(), false);
        }
        for (const ScheduleRow& row : rows) {
            const std::vector<PlayState> states = statesOfRow(&row, loops.LoopCount);
            for (std::size_t i = 0; i < states.size(); ++i) {
                const bool plays = states[i] != PlayState::NotPlaying;
                if (plays && !playing[i] && day >= firstDay) {
                    m_starts[i].push_back({day, row.second});
                }
                playing[i] = plays;
            }
        }
    }
}

std::optional<Moment> StartsFromRows::firstAfter(std::uint8_t loop, Moment after) const {
    const auto& starts = m_starts[loop];
    const auto found = std::upper_bound(starts.begin(), starts.end(), after);
    return found != starts.end() ? std::optional(*found) : std::nullopt;
}

} // namespace orvex::testing
