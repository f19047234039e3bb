#include "platform/regional.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

const char* const kLocales[] = {"en_US.UTF-8", "en_GB.UTF-8", "es_ES.UTF-8", "de_DE.UTF-8"};

TEST(RegionalFormat, FollowsEachLocalesConventions) {
    struct Case {
        const char* locale;
        const char* date;
        const char* morning;
        const char* afternoon;
    };
    const Case cases[] = {
        {"en_US.UTF-8", "11/26/2009", "09:30:05 AM", "02:30:00 PM"},
        {"en_GB.UTF-8", "26/11/2009", "09:30:05", "14:30:00"},
        {"es_ES.UTF-8", "26/11/2009", "09:30:05", "14:30:00"},
        {"de_DE.UTF-8", "26.11.2009", "09:30:05", "14:30:00"},
        {"C", "11/26/2009", "09:30:05", "14:30:00"},
        {"xx_NOT_INSTALLED", "11/26/2009", "09:30:05", "14:30:00"},
    };
    for (const Case& c : cases) {
        const RegionalFormat format = regionalFormatOfLocale(c.locale);
        const TDateTime day = encodeDate({2009, 11, 26});
        EXPECT_EQ(formatDate(format, day + encodeTime({9, 30, 5})), c.date) << c.locale;
        EXPECT_EQ(formatTime(format, day + encodeTime({9, 30, 5})), c.morning) << c.locale;
        EXPECT_EQ(formatTime(format, encodeTime({14, 30, 0})), c.afternoon) << c.locale;
    }
}

TEST(RegionalFormat, TwelveHourClockNamesMidnightAndNoonTwelve) {
    const RegionalFormat us = regionalFormatOfLocale("en_US.UTF-8");
    EXPECT_EQ(formatTime(us, encodeTime({0, 0, 0})), "12:00:00 AM");
    EXPECT_EQ(formatTime(us, encodeTime({12, 0, 1})), "12:00:01 PM");
    EXPECT_EQ(parseDateTime(us, "12:00:00 AM"), 0.0);
    EXPECT_EQ(secondOfDay(parseDateTime(us, "12:59:59 pm")), 12 * 3600 + 59 * 60 + 59);
}

TEST(RegionalFormat, EverySecondOfADayRoundTripsUnderEachLocale) {
    for (const char* locale : kLocales) {
        const RegionalFormat format = regionalFormatOfLocale(locale);
        for (int s = 0; s < kSecondsPerDay; ++s) {
            const TDateTime value = encodeDateTime(0, s);
            const std::string text = formatTime(format, value);
            ASSERT_EQ(parseDateTime(format, text), value) << locale << " " << text;
        }
    }
}

TEST(RegionalFormat, DatesRoundTripUnderEachLocale) {
    for (const char* locale : kLocales) {
        const RegionalFormat format = regionalFormatOfLocale(locale);
        for (std::int64_t day = dayNumberOf(CivilDate{1, 1, 1});
             day <= dayNumberOf(CivilDate{9999, 12, 31}); day += 97) {
            const std::string text = formatDate(format, static_cast<TDateTime>(day));
            ASSERT_EQ(parseDateTime(format, text), static_cast<TDateTime>(day)) << locale << text;
        }
        const TDateTime both = encodeDateTime(40143, 52200);
        EXPECT_EQ(parseDateTime(format, formatDate(format, both) + " " + formatTime(format, both)),
                  both)
            << locale;
    }
}

TEST(RegionalFormat, RefusesTextsThatAreNotADateOrTime) {
    const RegionalFormat gb = regionalFormatOfLocale("en_GB.UTF-8");
    const char* const bad[] = {
        "",           "   ",          "abc",         "31/02/2009", "26/13/2009",
        "24:00:00",   "12:60:00",     "12:00:60",    "26/11",      "26/11/2009x",
        "11-26-2009", "2:30:00 PM x", "13:00:00 PM", "0:00:00 AM", "123:00"};
    for (const char* text : bad) {
        EXPECT_THROW(parseDateTime(gb, text), DateTimeConversionError) << '"' << text << '"';
    }
    try {
        parseDateTime(gb, "caf\xE9");
        FAIL();
    } catch (const DateTimeConversionError& error) {
        EXPECT_STREQ(error.what(), "'café' is not a valid date and time");
    }
}

TEST(RegionalFormat, AcceptsShortFormsAUserMightType) {
    const RegionalFormat gb = regionalFormatOfLocale("en_GB.UTF-8");
    EXPECT_EQ(parseDateTime(gb, "9:05"), encodeTime({9, 5, 0}));
    EXPECT_EQ(parseDateTime(gb, " 1/2/2010 "), encodeDate({2010, 2, 1}));
    EXPECT_EQ(parseDateTime(gb, "2:30:00 PM"), encodeTime({14, 30, 0}));
    EXPECT_EQ(parseDateTime(gb, "26/11/2009 14:30:00"),
              encodeDate({2009, 11, 26}) + encodeTime({14, 30, 0}));
}

} // namespace
} // namespace orvex
