#include "insight/explanation.h"
#include "insight/tests/schedule_oracle.h"
#include "schedule/compute_schedule.h"
#include "schedule/loop_conditions.h"
#include "schedule/tests/random_sequence.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace orvex {
namespace {

// A Thursday.
constexpr CivilDate kDay{2009, 11, 26};

int at(int hour, int minute, int second) {
    return hour * 3600 + minute * 60 + second;
}

LoopEntry plainLoop() {
    LoopEntry loop;
    loop.Checked = 1;
    // Values behind cleared flags that would fail, to show they are not tested.
    loop.DateIni = encodeDate({2030, 1, 1});
    loop.DateEnd = encodeDate({2000, 1, 1});
    loop.TimeIni = encodeDateTime(0, at(23, 59, 59));
    loop.WeekDay = 6;
    loop.MonthDay = 2;
    return loop;
}

TEST(Explanation, EachConditionWhoseFlagIsOnWithWhetherItHolds) {
    using K = ConditionKind;
    const std::int64_t day = dayNumberOf(kDay);
    struct Case {
        const char* what;
        void (*setUp)(LoopEntry&);
        int second;
        std::vector<Condition> conditions;
    };
    const Case cases[] = {
        {"no flags", [](LoopEntry&) {}, 0, {{K::Ticked, 1, true}}},
        {"unticked", [](LoopEntry& l) { l.Checked = 0; }, 0, {{K::Ticked, 0, false}}},
        {"dates around the day, the first late in its day",
         [](LoopEntry& l) {
             l.bDateIni = l.bDateEnd = 1;
             l.DateIni = encodeDate(kDay) + 0.9;
             l.DateEnd = encodeDate({2009, 11, 25});
         },
         0,
         {{K::Ticked, 1, true}, {K::FirstDate, day, true}, {K::LastDate, day - 1, false}}},
        {"times, inclusive, with a stray date part",
         [](LoopEntry& l) {
             l.bTimeIni = l.bTimeEnd = 1;
             l.TimeIni = encodeDateTime(40000, at(8, 0, 0));
             l.TimeEnd = encodeDateTime(0, at(17, 30, 0));
         },
         at(17, 30, 0),
         {{K::Ticked, 1, true},
          {K::FirstTime, at(8, 0, 0), true},
          {K::LastTime, at(17, 30, 0), true}}},
        {"a second past the last time",
         [](LoopEntry& l) {
             l.bTimeEnd = 1;
             l.TimeEnd = encodeDateTime(0, at(17, 30, 0));
         },
         at(17, 30, 1),
         {{K::Ticked, 1, true}, {K::LastTime, at(17, 30, 0), false}}},
        {"Saturdays on a Thursday, the 26th on the 26th",
         [](LoopEntry& l) {
             l.bWeekDay = l.bMonthDay = 1;
             l.WeekDay = 6;
             l.MonthDay = 26;
         },
         0,
         {{K::Ticked, 1, true}, {K::WeekDay, 6, false}, {K::MonthDay, 26, true}}},
        {"out-of-range week and month days never hold",
         [](LoopEntry& l) {
             l.bWeekDay = l.bMonthDay = 1;
             l.WeekDay = 200;
             l.MonthDay = 0;
         },
         0,
         {{K::Ticked, 1, true}, {K::WeekDay, 200, false}, {K::MonthDay, 0, false}}},
    };
    const auto loops = std::make_unique<LoopTable>();
    loops->LoopCount = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        loops->Loops[0] = plainLoop();
        c.setUp(loops->Loops[0]);
        const auto explained = explainLoops(*loops, encodeDate(kDay) + 0.5, c.second);
        ASSERT_EQ(explained.size(), 1U);
        EXPECT_EQ(explained[0].conditions, c.conditions);
        EXPECT_EQ(explained[0].plays,
                  LoopIsActive(*loops, 0, encodeDate(kDay), encodeDateTime(0, c.second)));
    }
}

TEST(Explanation, TheFirstLoopThatPlaysIsActiveAndOverlapsTheOthers) {
    const auto loops = std::make_unique<LoopTable>();
    loops->LoopCount = 4;
    for (LoopEntry& loop : loops->Loops) {
        loop = plainLoop();
    }
    loops->Loops[0].Checked = 0;
    loops->Loops[0].Event = 3;
    const auto explained = explainLoops(*loops, encodeDate(kDay), 0);
    ASSERT_EQ(explained.size(), 4U);
    EXPECT_EQ(explained[0].state, PlayState::NotPlaying);
    EXPECT_EQ(explained[0].event, 3);
    EXPECT_EQ(explained[1].state, PlayState::Active);
    EXPECT_EQ(explained[1].overlappedBy, std::nullopt);
    for (std::size_t i : {2U, 3U}) {
        EXPECT_EQ(explained[i].state, PlayState::Overlapped);
        EXPECT_EQ(explained[i].overlappedBy, 1);
    }
}

// At every change moment, the second before it and random seconds, the explanation must say
// what the day's schedule rows say.
TEST(Explanation, AgreesWithTheScheduleOnRandomSequences) {
    testing::SequenceGenerator generator(1511);
    const auto loops = std::make_unique<LoopTable>();
    const auto table = std::make_unique<ScheduleTable>();
    for (int round = 0; round < 300; ++round) {
        const TDateTime date = generator.date();
        generator.fill(*loops, generator.loopCount(), date);
        ComputeSchedule(*table, *loops, date);
        std::vector<int> seconds = {0, kSecondsPerDay - 1, generator.below(kSecondsPerDay)};
        for (const ScheduleRow& row : table->rows()) {
            seconds.push_back(row.second);
            seconds.push_back(std::max(row.second - 1, 0));
        }
        for (const int second : seconds) {
            const auto expected = testing::statesFromRows(*table, loops->LoopCount, second);
            const auto explained = explainLoops(*loops, date, second);
            ASSERT_EQ(explained.size(), expected.size());
            std::optional<std::uint8_t> active;
            for (std::size_t i = 0; i < expected.size(); ++i) {
                if (expected[i] == PlayState::Active) {
                    active = static_cast<std::uint8_t>(i);
                }
            }
            for (std::size_t i = 0; i < expected.size(); ++i) {
                const LoopExplanation& e = explained[i];
                ASSERT_EQ(e.state, expected[i])
                    << "round " << round << ", loop " << i << ", second " << second;
                ASSERT_EQ(e.plays, expected[i] != PlayState::NotPlaying);
                ASSERT_EQ(e.overlappedBy,
                          expected[i] == PlayState::Overlapped ? active : std::nullopt);
            }
        }
    }
}

} // namespace
} // namespace orvex
