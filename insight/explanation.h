#pragma once

#include "insight/play_state.h"
#include "model/records.h"

#include <optional>
#include <vector>

namespace orvex {

enum class ConditionKind : std::uint8_t {
    Ticked,    // the loop's box in the loop list
    FirstDate, // value: day number
    LastDate,  // value: day number
    FirstTime, // value: second of the day
    LastTime,  // value: second of the day
    WeekDay,   // value: 0 Sunday to 6 Saturday, or whatever the loop holds
    MonthDay,  // value: 1 to 31, or whatever the loop holds
};

struct Condition {
    ConditionKind kind = ConditionKind::Ticked;
    std::int64_t value = 0;
    bool holds = false;
    friend bool operator==(const Condition&, const Condition&) = default;
};

struct LoopExplanation {
    std::uint8_t loop = 0;
    bool plays = false;
    PlayState state = PlayState::NotPlaying;
    // The Active loop, when this one is Overlapped.
    std::optional<std::uint8_t> overlappedBy;
    // The remote event the player waits for; it plays no part in the schedule.
    std::uint8_t event = 0;
    // The tick, then each condition whose flag is on, in the order the loop list shows them.
    std::vector<Condition> conditions;
};

// For every loop in priority order: whether it plays on the calendar day of `date` at
// `second` of the day, each of its conditions with whether it holds there, and its state.
std::vector<LoopExplanation> explainLoops(const LoopTable& loops, TDateTime date, int second);

} // namespace orvex
