#pragma once

#include "insight/play_state.h"
#include "model/records.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace orvex {

// What is on screen over a stretch of one day, both ends inclusive: the Active loop, or none
// when nothing plays.
struct ScreenSpan {
    int first = 0;
    int last = kSecondsPerDay - 1;
    std::optional<std::uint8_t> loop;
    friend bool operator==(const ScreenSpan&, const ScreenSpan&) = default;
};

// A stretch of one day, both ends inclusive, in which a loop plays in one state, Active or
// Overlapped.
struct LaneSpan {
    std::uint8_t loop = 0;
    PlayState state = PlayState::Active;
    int first = 0;
    int last = kSecondsPerDay - 1;
    friend bool operator==(const LaneSpan&, const LaneSpan&) = default;
};

struct TimelineDay {
    std::int64_t day = 0;
    // In time order, covering the whole day without gaps.
    std::vector<ScreenSpan> screen;
    // By loop index, then in time order; a loop that does not play has none.
    std::vector<LaneSpan> lanes;
};

// The day by the schedule's rules: a loop's lane changes state only where it starts or stops
// or where a loop of higher priority does.
TimelineDay timelineOfDay(const LoopTable& loops, std::int64_t day);

// A loop's spans of the day, in time order.
std::span<const LaneSpan> lanesOf(const TimelineDay& day, std::uint8_t loop);
// What is on screen at `second` of the day; null only for a day that was never computed.
const ScreenSpan* screenAt(const TimelineDay& day, int second);

// `dayCount` days from `firstDay` on.
std::vector<TimelineDay> timelineOfDays(const LoopTable& loops, std::int64_t firstDay,
                                        int dayCount);

} // namespace orvex
