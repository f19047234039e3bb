#include "insight/timeline.h"
#include "schedule/clock_text.h"
#include "schedule/compute_schedule.h"
#include "schedule/tests/random_sequence.h"
#include "schedule/tests/row_text.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <set>
#include <string>

namespace orvex {
namespace {

int at(int hour, int minute, int second) {
    return hour * 3600 + minute * 60 + second;
}

// The schedule rows a day's lanes stand for, in the texts the schedule tests use: a row at
// each second where a lane begins or ends, listing the loops that play then and those that
// have just stopped, from the lowest priority to the highest.
std::vector<std::string> rowsOf(const TimelineDay& day, const LoopTable& loops) {
    std::set<int> moments;
    for (const LaneSpan& span : day.lanes) {
        moments.insert(span.first);
        if (span.last < kSecondsPerDay - 1) {
            moments.insert(span.last + 1);
        }
    }
    const auto stateAt = [&](int loop, int second) -> const char* {
        for (const LaneSpan& span : day.lanes) {
            if (span.loop == loop && span.first <= second && second <= span.last) {
                return span.state == PlayState::Active ? "Active" : "Overlapped";
            }
        }
        return nullptr;
    };
    std::vector<std::string> rows;
    for (const int second : moments) {
        std::string row = clockText(second);
        for (int i = loops.LoopCount - 1; i >= 0; --i) {
            const char* state = stateAt(i, second);
            if (state == nullptr && second > 0 && stateAt(i, second - 1) != nullptr) {
                state = "Off";
            }
            if (state != nullptr) {
                row += " " + std::string(textOf(loops.Loops[static_cast<std::size_t>(i)].Name)) +
                       ":" + state;
            }
        }
        rows.push_back(row);
    }
    return rows;
}

// The screen must show each moment's Active loop, or nothing, and cover the day.
void expectScreenFollowsLanes(const TimelineDay& day) {
    ASSERT_FALSE(day.screen.empty());
    EXPECT_EQ(day.screen.front().first, 0);
    EXPECT_EQ(day.screen.back().last, kSecondsPerDay - 1);
    for (std::size_t i = 0; i < day.screen.size(); ++i) {
        const ScreenSpan& shown = day.screen[i];
        ASSERT_LE(shown.first, shown.last);
        if (i > 0) {
            ASSERT_EQ(shown.first, day.screen[i - 1].last + 1);
            ASSERT_NE(shown.loop, day.screen[i - 1].loop) << "spans left unmerged";
        }
        for (const int second : {shown.first, shown.last}) {
            const auto active = std::ranges::find_if(day.lanes, [&](const LaneSpan& span) {
                return span.state == PlayState::Active && span.first <= second &&
                       second <= span.last;
            });
            const auto expected =
                active == day.lanes.end() ? std::nullopt : std::optional(active->loop);
            ASSERT_EQ(shown.loop, expected) << clockText(second);
        }
    }
}

TEST(Timeline, LanesSplitWhereALoopOfHigherPriorityComesAndGoes) {
    const auto loops = std::make_unique<LoopTable>();
    loops->LoopCount = 3;
    const auto timed = [](LoopEntry& loop, int from, int to) {
        loop.Checked = 1;
        loop.bTimeIni = loop.bTimeEnd = 1;
        loop.TimeIni = encodeDateTime(0, from);
        loop.TimeEnd = encodeDateTime(0, to);
    };
    timed(loops->Loops[0], at(10, 0, 0), at(11, 0, 0));
    timed(loops->Loops[1], at(8, 0, 0), at(12, 0, 0));
    timed(loops->Loops[2], at(9, 0, 0), at(20, 0, 0));
    const TimelineDay day = timelineOfDay(*loops, 40000);

    using S = PlayState;
    const std::vector<LaneSpan> lanes = {
        {0, S::Active, at(10, 0, 0), at(11, 0, 0)},     {1, S::Active, at(8, 0, 0), at(9, 59, 59)},
        {1, S::Overlapped, at(10, 0, 0), at(11, 0, 0)}, {1, S::Active, at(11, 0, 1), at(12, 0, 0)},
        {2, S::Overlapped, at(9, 0, 0), at(12, 0, 0)},  {2, S::Active, at(12, 0, 1), at(20, 0, 0)},
    };
    EXPECT_EQ(day.lanes, lanes);
    const std::vector<ScreenSpan> screen = {
        {0, at(7, 59, 59), std::nullopt}, {at(8, 0, 0), at(9, 59, 59), 1},
        {at(10, 0, 0), at(11, 0, 0), 0},  {at(11, 0, 1), at(12, 0, 0), 1},
        {at(12, 0, 1), at(20, 0, 0), 2},  {at(20, 0, 1), kSecondsPerDay - 1, std::nullopt},
    };
    EXPECT_EQ(day.screen, screen);

    EXPECT_TRUE(std::ranges::equal(lanesOf(day, 1), std::span(lanes).subspan(1, 3)));
    EXPECT_TRUE(lanesOf(day, 3).empty());
    for (const ScreenSpan& span : screen) {
        EXPECT_EQ(screenAt(day, span.first), screenAt(day, span.last));
        EXPECT_EQ(*screenAt(day, span.last), span);
    }
}

TEST(Timeline, AgreesWithTheScheduleRowsOnRandomSequences) {
    testing::SequenceGenerator generator(7);
    const auto loops = std::make_unique<LoopTable>();
    const auto table = std::make_unique<ScheduleTable>();
    for (int round = 0; round < 400; ++round) {
        const TDateTime date = generator.date();
        generator.fill(*loops, generator.loopCount(), date);
        ComputeSchedule(*table, *loops, date);
        const TimelineDay day = timelineOfDay(*loops, dayNumberOf(date));
        ASSERT_EQ(rowsOf(day, *loops), testing::rowTexts(*table, *loops)) << "round " << round;
        expectScreenFollowsLanes(day);
        if (HasFatalFailure()) {
            return;
        }
    }
}

TEST(Timeline, DaysFollowOneAnother) {
    const auto loops = std::make_unique<LoopTable>();
    loops->LoopCount = 1;
    loops->Loops[0].Checked = 1;
    loops->Loops[0].bWeekDay = 1;
    loops->Loops[0].WeekDay = 0;
    const std::int64_t monday = dayNumberOf(CivilDate{2009, 11, 23});
    const auto week = timelineOfDays(*loops, monday, 7);
    ASSERT_EQ(week.size(), 7U);
    for (std::size_t d = 0; d < week.size(); ++d) {
        EXPECT_EQ(week[d].day, monday + static_cast<std::int64_t>(d));
        EXPECT_EQ(week[d].lanes.size(), d == 6 ? 1U : 0U) << d;
    }
}

} // namespace
} // namespace orvex
