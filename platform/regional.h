#pragma once

#include "tdatetime.h"

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace orvex {

enum class DateOrder { DayMonthYear, MonthDayYear, YearMonthDay };
enum class DateField { Day, Month, Year };

// The fields of a date in the order the user writes them.
std::array<DateField, 3> dateFieldOrder(DateOrder order);

// The user's date and time conventions. Texts are Windows-1252 bytes, like everything the
// playlist holds. Years always have four digits: a two-digit year cannot be read back
// without guessing its century.
struct RegionalFormat {
    DateOrder dateOrder = DateOrder::DayMonthYear;
    std::string dateSeparator = "/";
    bool dayLeadingZero = true;
    bool monthLeadingZero = true;
    std::string timeSeparator = ":";
    bool twelveHour = false;
    bool hourLeadingZero = true;
    bool designatorFirst = false;
    std::string amDesignator;
    std::string pmDesignator;
};

// The conventions of a locale's LC_TIME category; an empty name means the user's own
// (LC_ALL, LC_TIME, LANG). A locale that is not installed gives the "C" conventions.
RegionalFormat regionalFormatOfLocale(const std::string& localeName);

class DateTimeConversionError : public std::runtime_error {
public:
    // The offending text is Windows-1252; the message is UTF-8 for display.
    explicit DateTimeConversionError(std::string_view text);
};

std::string formatDate(const RegionalFormat& format, TDateTime value);
std::string formatTime(const RegionalFormat& format, TDateTime value);

// Accepts a date, a time, or a date followed by a time. A text holding only a time gives that
// time on day 0; one holding only a date gives midnight. Throws DateTimeConversionError.
TDateTime parseDateTime(const RegionalFormat& format, std::string_view text);

} // namespace orvex
