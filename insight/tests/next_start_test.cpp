#include "insight/next_start.h"
#include "insight/tests/schedule_oracle.h"
#include "schedule/tests/random_sequence.h"

#include <gtest/gtest.h>
#include <memory>

namespace orvex {
namespace {

// A Thursday.
const std::int64_t kDay = dayNumberOf(CivilDate{2009, 11, 26});

int at(int hour, int minute, int second) {
    return hour * 3600 + minute * 60 + second;
}

struct Bounds {
    std::optional<int> fromSecond = {};
    std::optional<int> toSecond = {};
    std::optional<std::int64_t> fromDay = {};
    std::optional<std::int64_t> toDay = {};
    std::optional<int> weekDay = {};
    std::optional<int> monthDay = {};
};

LoopEntry loopWith(const Bounds& b) {
    LoopEntry loop;
    loop.Checked = 1;
    loop.bTimeIni = b.fromSecond ? 1 : 0;
    loop.TimeIni = encodeDateTime(0, b.fromSecond.value_or(0));
    loop.bTimeEnd = b.toSecond ? 1 : 0;
    loop.TimeEnd = encodeDateTime(0, b.toSecond.value_or(0));
    loop.bDateIni = b.fromDay ? 1 : 0;
    loop.DateIni = static_cast<TDateTime>(b.fromDay.value_or(0));
    loop.bDateEnd = b.toDay ? 1 : 0;
    loop.DateEnd = static_cast<TDateTime>(b.toDay.value_or(0));
    loop.bWeekDay = b.weekDay ? 1 : 0;
    loop.WeekDay = static_cast<std::uint8_t>(b.weekDay.value_or(0));
    loop.bMonthDay = b.monthDay ? 1 : 0;
    loop.MonthDay = static_cast<std::uint8_t>(b.monthDay.value_or(1));
    return loop;
}

TEST(NextStart, FirstSecondAfterTheMomentAtWhichTheLoopBeginsToPlay) {
    const std::int64_t leapDay = dayNumberOf(CivilDate{2012, 2, 29});
    struct Case {
        const char* what;
        Bounds bounds;
        Moment after;
        std::optional<Moment> start;
    };
    const Case cases[] = {
        {"later today",
         {at(8, 0, 0), at(12, 0, 0)},
         {kDay, at(7, 0, 0)},
         Moment{kDay, at(8, 0, 0)}},
        {"starting now is not after",
         {at(8, 0, 0), at(12, 0, 0)},
         {kDay, at(8, 0, 0)},
         Moment{kDay + 1, at(8, 0, 0)}},
        {"mornings start at midnight again",
         {std::nullopt, at(10, 0, 0)},
         {kDay, at(11, 0, 0)},
         Moment{kDay + 1, 0}},
        {"playing through the night is no new start",
         {at(20, 0, 0)},
         {kDay, at(7, 0, 0)},
         Moment{kDay, at(20, 0, 0)}},
        {"every second of every day never starts again", {}, {kDay, 0}, std::nullopt},
        {"a range of whole days starts once",
         {.fromDay = kDay + 2, .toDay = kDay + 4},
         {kDay, at(12, 0, 0)},
         Moment{kDay + 2, 0}},
        {"...and not again on its second day",
         {.fromDay = kDay + 2, .toDay = kDay + 4},
         {kDay + 2, 0},
         std::nullopt},
        {"ranges that started yesterday go on", {.fromDay = kDay - 1}, {kDay - 1, 5}, std::nullopt},
        {"Saturdays", {.weekDay = 6}, {kDay, 0}, Moment{kDay + 2, 0}},
        {"the 31st skips November",
         {.monthDay = 31},
         {kDay, 0},
         Moment{dayNumberOf(CivilDate{2009, 12, 31}), 0}},
        {"a leap day 365 days ahead",
         {.fromDay = leapDay, .toDay = leapDay, .monthDay = 29},
         {leapDay - 365, at(23, 0, 0)},
         Moment{leapDay, 0}},
        {"the last day looked at",
         {at(9, 0, 0), std::nullopt, kDay + kLookAheadDays},
         {kDay, 0},
         Moment{kDay + kLookAheadDays, at(9, 0, 0)}},
        {"a day too far",
         {at(9, 0, 0), std::nullopt, kDay + kLookAheadDays + 1},
         {kDay, 0},
         std::nullopt},
        {"first time after last time never plays",
         {at(22, 0, 0), at(6, 0, 0)},
         {kDay, 0},
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(nextStart(loopWith(c.bounds), c.after), c.start);
    }
    LoopEntry unticked = loopWith({at(8, 0, 0)});
    unticked.Checked = 0;
    EXPECT_EQ(nextStart(unticked, {kDay, 0}), std::nullopt);
}

// Every start of a year's schedule rows, for loops whose bounds lie within a year or so of the
// day, must be the one found.
TEST(NextStart, AgreesWithAYearOfScheduleRowsOnRandomSequences) {
    testing::SequenceGenerator generator(366);
    const auto loops = std::make_unique<LoopTable>();
    for (int round = 0; round < 12; ++round) {
        const TDateTime date = generator.date();
        generator.fill(*loops, 1 + generator.below(24), date);
        const Moment after{dayNumberOf(date), generator.below(kSecondsPerDay)};
        const testing::StartsFromRows rows(*loops, after.day, after.day + kLookAheadDays);
        for (std::uint8_t i = 0; i < loops->LoopCount; ++i) {
            ASSERT_EQ(nextStart(loops->Loops[i], after), rows.firstAfter(i, after))
                << "round " << round << ", loop " << int{i};
        }
    }
}

} // namespace
} // namespace orvex
