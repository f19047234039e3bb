#include "insight/explanation.h"

#include "schedule/loop_conditions.h"

#include <algorithm>

namespace orvex {
namespace {

std::vector<Condition> conditionsOf(const LoopEntry& loop, std::int64_t day, int second) {
    std::vector<Condition> conditions;
    conditions.push_back({ConditionKind::Ticked, loop.Checked, loop.Checked != 0});
    if (loop.bDateIni != 0) {
        const std::int64_t first = dayNumberOf(loop.DateIni);
        conditions.push_back({ConditionKind::FirstDate, first, day >= first});
    }
    if (loop.bDateEnd != 0) {
        const std::int64_t last = dayNumberOf(loop.DateEnd);
        conditions.push_back({ConditionKind::LastDate, last, day <= last});
    }
    if (loop.bTimeIni != 0) {
        const int first = secondOfDay(loop.TimeIni);
        conditions.push_back({ConditionKind::FirstTime, first, second >= first});
    }
    if (loop.bTimeEnd != 0) {
        const int last = secondOfDay(loop.TimeEnd);
        conditions.push_back({ConditionKind::LastTime, last, second <= last});
    }
    if (loop.bWeekDay != 0) {
        conditions.push_back(
            {ConditionKind::WeekDay, loop.WeekDay, dayOfWeek(day) == loop.WeekDay});
    }
    if (loop.bMonthDay != 0) {
        conditions.push_back(
            {ConditionKind::MonthDay, loop.MonthDay, civilDateOf(day).day == loop.MonthDay});
    }
    return conditions;
}

} // namespace

std::vector<LoopExplanation> explainLoops(const LoopTable& loops, TDateTime date, int second) {
    const std::int64_t day = dayNumberOf(date);
    std::vector<LoopExplanation> explanations;
    std::optional<std::uint8_t> winner;
    for (int i = 0; i < usedLoopCount(loops); ++i) {
        const LoopEntry& loop = loops.Loops[static_cast<std::size_t>(i)];
        LoopExplanation& explanation = explanations.emplace_back();
        explanation.loop = static_cast<std::uint8_t>(i);
        explanation.event = loop.Event;
        explanation.conditions = conditionsOf(loop, day, second);
        explanation.plays = std::ranges::all_of(explanation.conditions, &Condition::holds);
        if (!explanation.plays) {
            continue;
        }
        // Table order is priority order: the first loop that plays wins.
        if (winner) {
            explanation.state = PlayState::Overlapped;
            explanation.overlappedBy = winner;
        } else {
            explanation.state = PlayState::Active;
            winner = explanation.loop;
        }
    }
    return explanations;
}

} // namespace orvex
