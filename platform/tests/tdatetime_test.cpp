#include "platform/tdatetime.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

TEST(TDateTime, KnownDayNumbers) {
    struct Case {
        CivilDate date;
        std::int64_t dayNumber;
        int weekday;
    };
    const Case cases[] = {
        {{1899, 12, 30}, 0, 6},     {{1899, 12, 31}, 1, 0},    {{1900, 3, 1}, 61, 4},
        {{2009, 11, 26}, 40143, 4}, {{2000, 2, 29}, 36585, 2}, {{1899, 12, 29}, -1, 5},
        {{2026, 12, 9}, 46365, 3},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(dayNumberOf(c.date), c.dayNumber) << c.date.year << "-" << c.date.month;
        EXPECT_EQ(civilDateOf(c.dayNumber), c.date);
        EXPECT_EQ(dayOfWeek(c.dayNumber), c.weekday);
    }
}

TEST(TDateTime, EverySecondOfTheDayRoundTripsExactly) {
    for (int s = 0; s < kSecondsPerDay; ++s) {
        const TimeOfDay time{s / 3600, s / 60 % 60, s % 60};
        ASSERT_EQ(secondOfDay(encodeTime(time)), s);
        ASSERT_EQ(decodeTime(encodeTime(time)), time);
        ASSERT_EQ(secondOfDay(encodeDateTime(46365, s)), s);
        ASSERT_EQ(dayNumberOf(encodeDateTime(46365, s)), 46365);
    }
}

TEST(TDateTime, NegativeValuesKeepTheirTimeAsAPositiveFraction) {
    EXPECT_EQ(decodeDate(-1.25), (CivilDate{1899, 12, 29}));
    EXPECT_EQ(decodeTime(-1.25), (TimeOfDay{6, 0, 0}));
    EXPECT_EQ(secondOfDay(encodeDateTime(-3, 3600)), 3600);
}

TEST(TDateTime, OutOfRangeValuesDecodeWithoutOverflow) {
    EXPECT_EQ(secondOfDay(1e300), 0);
    EXPECT_EQ(dayNumberOf(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(secondOfDay(0.99999999999), kSecondsPerDay - 1);
}

} // namespace
} // namespace orvex
