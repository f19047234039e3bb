#include "tdatetime.h"

#include <cmath>

namespace orvex {
namespace {

// Days from 1970-01-01 to 1899-12-30.
constexpr std::int64_t kEpochShift = -25569;

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Proleptic Gregorian day count relative to 1970-01-01.
std::int64_t daysFromCivil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const auto yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

} // namespace

int daysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 0;
    }
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

bool isValidDate(const CivilDate& date) {
    return date.year >= 1 && date.year <= 9999 && date.day >= 1 &&
           date.day <= daysInMonth(date.year, date.month);
}

std::int64_t dayNumberOf(const CivilDate& date) {
    return daysFromCivil(date.year, static_cast<unsigned>(date.month),
                         static_cast<unsigned>(date.day)) -
           kEpochShift;
}

CivilDate civilDateOf(std::int64_t dayNumber) {
    const std::int64_t z = dayNumber + kEpochShift + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const auto doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    const std::int64_t y = static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2 ? 1 : 0);
    return {static_cast<int>(y), static_cast<int>(m), static_cast<int>(d)};
}

std::int64_t dayNumberOf(TDateTime value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e9) {
        return 0;
    }
    return static_cast<std::int64_t>(std::trunc(value));
}

int secondOfDay(TDateTime value) {
    if (!std::isfinite(value) || std::fabs(value) > 1e9) {
        return 0;
    }
    const double fraction = std::fabs(value - std::trunc(value));
    // Round to the millisecond first so that s/86400 comes back as s, then drop the
    // milliseconds as a clock showing seconds would.
    const auto millis = static_cast<std::int64_t>(std::llround(fraction * 86400000.0));
    const auto seconds = static_cast<int>(millis / 1000);
    return seconds >= kSecondsPerDay ? kSecondsPerDay - 1 : seconds;
}

TDateTime encodeDateTime(std::int64_t dayNumber, int secondOfDay) {
    const double fraction = static_cast<double>(secondOfDay) / kSecondsPerDay;
    const auto days = static_cast<double>(dayNumber);
    return dayNumber < 0 ? days - fraction : days + fraction;
}

TDateTime encodeTime(const TimeOfDay& time) {
    return encodeDateTime(0, time.hour * 3600 + time.minute * 60 + time.second);
}

CivilDate decodeDate(TDateTime value) {
    return civilDateOf(dayNumberOf(value));
}

TimeOfDay decodeTime(TDateTime value) {
    const int s = secondOfDay(value);
    return {s / 3600, s / 60 % 60, s % 60};
}

int dayOfWeek(std::int64_t dayNumber) {
    // Day 0 was a Saturday.
    const auto weekday = (dayNumber + 6) % 7;
    return static_cast<int>(weekday < 0 ? weekday + 7 : weekday);
}

} // namespace orvex
