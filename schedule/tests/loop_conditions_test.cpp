#include "schedule/loop_conditions.h"

#include <gtest/gtest.h>
#include <memory>

namespace orvex {
namespace {

TDateTime at(int hour, int minute, int second, int millisecond = 0) {
    return (hour * 3600 + minute * 60 + second + millisecond / 1000.0) / kSecondsPerDay;
}

TDateTime day(int year, int month, int dayOfMonth) {
    return encodeDate({year, month, dayOfMonth});
}

TEST(InDateTimeWindow, BoundsAreInclusiveAndCountOnlyTheirOwnPart) {
    constexpr std::nullopt_t none = std::nullopt;
    struct Case {
        const char* what;
        std::optional<TDateTime> firstDate, firstTime, lastDate, lastTime;
        TDateTime date, time;
        bool passes;
    };
    const TDateTime d = day(2009, 1, 12);
    const Case cases[] = {
        {"no bounds", none, none, none, none, d, at(3, 4, 5), true},
        {"on the first date", d, none, none, none, d, 0, true},
        {"the day before the first date", d, none, none, none, d - 1, at(23, 59, 59), false},
        {"on the last date", none, none, d, none, d + at(23, 59, 59), 0, true},
        {"the day after the last date", none, none, d, none, d + 1, 0, false},
        {"first date late in its day", d + at(23, 0, 0), none, none, none, d, 0, true},
        {"dates across a year end", day(2008, 12, 31), none, day(2009, 1, 1), none, day(2009, 1, 1),
         0, true},
        {"negative date keeps its calendar day", -1.0, none, -1.0, none, -1.75, 0, true},
        {"day before a negative date", -1.0, none, none, none, -2.25, 0, false},
        {"at the first time", none, at(8, 0, 0), none, none, d, at(8, 0, 0), true},
        {"a second before the first time", none, at(8, 0, 0), none, none, d, at(7, 59, 59), false},
        {"at the last time", none, none, none, at(17, 30, 0), d, at(17, 30, 0), true},
        {"a second after the last time", none, none, none, at(17, 30, 0), d, at(17, 30, 1), false},
        {"milliseconds of the first time ignored", none, at(8, 0, 0, 900), none, none, d,
         at(8, 0, 0, 100), true},
        {"milliseconds of the last time ignored", none, none, none, at(8, 0, 0, 100), d,
         at(8, 0, 0, 900), true},
        {"time bound with a date part", none, 40000 + at(8, 0, 0), none, none, d, at(8, 0, 0),
         true},
        {"first time after last time, between", none, at(22, 0, 0), none, at(6, 0, 0), d,
         at(23, 0, 0), false},
        {"first time after last time, early", none, at(22, 0, 0), none, at(6, 0, 0), d, at(5, 0, 0),
         false},
        {"whole day at midnight", none, 0.0, none, at(23, 59, 59), d, 0, true},
        {"whole day at the last second", none, 0.0, none, at(23, 59, 59), d, at(23, 59, 59), true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(
            InDateTimeWindow(c.firstDate, c.firstTime, c.lastDate, c.lastTime, c.date, c.time),
            c.passes)
            << c.what;
    }
}

class LoopIsActiveTest : public ::testing::Test {
protected:
    std::unique_ptr<LoopTable> loops = std::make_unique<LoopTable>();
    LoopEntry& loop = loops->Loops[0];
    void SetUp() override {
        loops->LoopCount = 1;
        loop.Checked = 1;
    }
};

TEST_F(LoopIsActiveTest, ConditionsCountOnlyWhenTheirFlagIsSet) {
    const TDateTime thursday = day(2009, 11, 26);
    loop.DateIni = thursday + 1;
    loop.DateEnd = thursday - 1;
    loop.TimeIni = at(23, 0, 0);
    loop.TimeEnd = at(1, 0, 0);
    loop.WeekDay = 0;
    loop.MonthDay = 31;
    EXPECT_TRUE(LoopIsActive(*loops, 0, thursday, at(12, 0, 0)));

    loop.bWeekDay = 1;
    EXPECT_FALSE(LoopIsActive(*loops, 0, thursday, at(12, 0, 0)));
    EXPECT_TRUE(LoopIsActive(*loops, 0, thursday + 3, at(12, 0, 0))) << "a Sunday";

    loop.bMonthDay = 1;
    EXPECT_FALSE(LoopIsActive(*loops, 0, thursday + 3, at(12, 0, 0)));
    EXPECT_TRUE(LoopIsActive(*loops, 0, day(2010, 1, 31), at(12, 0, 0))) << "a Sunday, the 31st";
}

TEST_F(LoopIsActiveTest, UncheckedOrUnusedLoopNeverPlays) {
    EXPECT_TRUE(LoopIsActive(*loops, 0, 40000, 0));
    EXPECT_FALSE(LoopIsActive(*loops, 1, 40000, 0)) << "beyond LoopCount";
    loop.Checked = 0;
    EXPECT_FALSE(LoopIsActive(*loops, 0, 40000, 0));
}

} // namespace
} // namespace orvex
