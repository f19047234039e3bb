#pragma once

#include <cstdint>

namespace orvex {

// The whole part counts days since 30 December 1899, the fraction is the time of day.
using TDateTime = double;

struct CivilDate {
    int year = 1899;
    int month = 12;
    int day = 30;
    friend bool operator==(const CivilDate&, const CivilDate&) = default;
};

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;
    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

inline constexpr int kSecondsPerDay = 86400;

bool isValidDate(const CivilDate& date);
int daysInMonth(int year, int month);

// Day number of a date: 0 is 30 December 1899, a Saturday.
std::int64_t dayNumberOf(const CivilDate& date);
CivilDate civilDateOf(std::int64_t dayNumber);

// The calendar day a value stands for; negative values keep their time as a positive fraction,
// so -1.25 is 29 December 1899 at 06:00.
std::int64_t dayNumberOf(TDateTime value);

// Whole seconds since midnight, 0 to 86399. Exact for every value made by encodeDateTime.
int secondOfDay(TDateTime value);

TDateTime encodeDateTime(std::int64_t dayNumber, int secondOfDay);
inline TDateTime encodeDate(const CivilDate& date) {
    return encodeDateTime(dayNumberOf(date), 0);
}
TDateTime encodeTime(const TimeOfDay& time);

CivilDate decodeDate(TDateTime value);
TimeOfDay decodeTime(TDateTime value);

// 0 is Sunday, 6 Saturday.
int dayOfWeek(std::int64_t dayNumber);

} // namespace orvex
