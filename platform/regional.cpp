#include "regional.h"

#include "cp1252.h"

#include <cctype>
#include <optional>

namespace orvex {
namespace {

std::string number(int value, bool leadingZero, int width = 2) {
    std::string digits = std::to_string(value);
    if (leadingZero && static_cast<int>(digits.size()) < width) {
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    }
    return digits;
}

// A cursor over the text being converted; every reader leaves it unmoved when it fails.
class Scanner {
public:
    explicit Scanner(std::string_view text) : m_text(text) {}

    bool atEnd() const { return m_pos == m_text.size(); }
    std::size_t position() const { return m_pos; }
    void rewind(std::size_t pos) { m_pos = pos; }

    bool skipSpaces() {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] == ' ') {
            ++m_pos;
        }
        return m_pos > start;
    }

    std::optional<int> digits(std::size_t maxDigits) {
        std::size_t end = m_pos;
        int value = 0;
        while (end < m_text.size() && end - m_pos < maxDigits &&
               std::isdigit(static_cast<unsigned char>(m_text[end]))) {
            value = value * 10 + (m_text[end] - '0');
            ++end;
        }
        if (end == m_pos ||
            (end < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[end])))) {
            return std::nullopt;
        }
        m_pos = end;
        return value;
    }

    bool literal(std::string_view expected) {
        if (expected.empty() || m_text.substr(m_pos, expected.size()) != expected) {
            return false;
        }
        m_pos += expected.size();
        return true;
    }

    bool word(std::string_view expected) {
        if (expected.empty() || m_text.size() - m_pos < expected.size()) {
            return false;
        }
        for (std::size_t i = 0; i < expected.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(m_text[m_pos + i])) !=
                std::tolower(static_cast<unsigned char>(expected[i]))) {
                return false;
            }
        }
        m_pos += expected.size();
        return true;
    }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

std::optional<CivilDate> readDate(const RegionalFormat& format, Scanner& in) {
    const std::size_t start = in.position();
    const std::array<DateField, 3> order = dateFieldOrder(format.dateOrder);
    CivilDate date;
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (i > 0 && !in.literal(format.dateSeparator)) {
            in.rewind(start);
            return std::nullopt;
        }
        const auto value = in.digits(4);
        if (!value) {
            in.rewind(start);
            return std::nullopt;
        }
        switch (order[i]) {
        case DateField::Day:
            date.day = *value;
            break;
        case DateField::Month:
            date.month = *value;
            break;
        case DateField::Year:
            date.year = *value;
            break;
        }
    }
    if (!isValidDate(date)) {
        in.rewind(start);
        return std::nullopt;
    }
    return date;
}

enum class Designator { None, Am, Pm };

Designator readDesignator(const RegionalFormat& format, Scanner& in) {
    // The longer designator first, so that one that begins with the other is not cut short.
    const bool amFirst = format.amDesignator.size() >= format.pmDesignator.size();
    const std::string& first = amFirst ? format.amDesignator : format.pmDesignator;
    const std::string& second = amFirst ? format.pmDesignator : format.amDesignator;
    if (in.word(first)) {
        return amFirst ? Designator::Am : Designator::Pm;
    }
    if (in.word(second)) {
        return amFirst ? Designator::Pm : Designator::Am;
    }
    if (in.word("AM")) {
        return Designator::Am;
    }
    return in.word("PM") ? Designator::Pm : Designator::None;
}

std::optional<int> readTime(const RegionalFormat& format, Scanner& in) {
    const std::size_t start = in.position();
    Designator designator = readDesignator(format, in);
    if (designator != Designator::None) {
        in.skipSpaces();
    }
    const auto hour = in.digits(2);
    std::optional<int> minute;
    if (hour && in.literal(format.timeSeparator)) {
        minute = in.digits(2);
    }
    if (!minute) {
        in.rewind(start);
        return std::nullopt;
    }
    int second = 0;
    const std::size_t beforeSeconds = in.position();
    if (in.literal(format.timeSeparator)) {
        const auto value = in.digits(2);
        if (!value) {
            in.rewind(beforeSeconds);
        } else {
            second = *value;
        }
    }
    if (designator == Designator::None) {
        const std::size_t beforeDesignator = in.position();
        in.skipSpaces();
        designator = readDesignator(format, in);
        if (designator == Designator::None) {
            in.rewind(beforeDesignator);
        }
    }
    int h = *hour;
    if (designator != Designator::None) {
        if (h < 1 || h > 12) {
            in.rewind(start);
            return std::nullopt;
        }
        h = h % 12 + (designator == Designator::Pm ? 12 : 0);
    }
    if (h > 23 || *minute > 59 || second > 59) {
        in.rewind(start);
        return std::nullopt;
    }
    return h * 3600 + *minute * 60 + second;
}

} // namespace

namespace {

std::string conversionMessage(std::string_view text) {
    std::string message = "'";
    message.append(cp1252ToUtf8(text));
    message.append("' is not a valid date and time");
    return message;
}

} // namespace

DateTimeConversionError::DateTimeConversionError(std::string_view text)
    : std::runtime_error(conversionMessage(text)) {}

std::array<DateField, 3> dateFieldOrder(DateOrder order) {
    switch (order) {
    case DateOrder::MonthDayYear:
        return {DateField::Month, DateField::Day, DateField::Year};
    case DateOrder::YearMonthDay:
        return {DateField::Year, DateField::Month, DateField::Day};
    case DateOrder::DayMonthYear:
        break;
    }
    return {DateField::Day, DateField::Month, DateField::Year};
}

std::string formatDate(const RegionalFormat& format, TDateTime value) {
    const CivilDate date = decodeDate(value);
    const std::string day = number(date.day, format.dayLeadingZero);
    const std::string month = number(date.month, format.monthLeadingZero);
    const std::string year = number(date.year, true, 4);
    std::string text;
    for (const DateField field : dateFieldOrder(format.dateOrder)) {
        if (!text.empty()) {
            text += format.dateSeparator;
        }
        text += field == DateField::Day ? day : field == DateField::Month ? month : year;
    }
    return text;
}

std::string formatTime(const RegionalFormat& format, TDateTime value) {
    const TimeOfDay time = decodeTime(value);
    const int hour = format.twelveHour ? (time.hour + 11) % 12 + 1 : time.hour;
    const std::string& sep = format.timeSeparator;
    std::string text = number(hour, format.hourLeadingZero) + sep + number(time.minute, true) +
                       sep + number(time.second, true);
    if (!format.twelveHour) {
        return text;
    }
    const std::string& designator = time.hour < 12 ? format.amDesignator : format.pmDesignator;
    return format.designatorFirst ? designator + " " + text : text + " " + designator;
}

TDateTime parseDateTime(const RegionalFormat& format, std::string_view text) {
    Scanner in(text);
    in.skipSpaces();
    const auto date = readDate(format, in);
    std::optional<int> second;
    if (!date || in.skipSpaces()) {
        second = readTime(format, in);
    }
    in.skipSpaces();
    if ((!date && !second) || !in.atEnd()) {
        throw DateTimeConversionError(text);
    }
    return encodeDateTime(date ? dayNumberOf(*date) : 0, second.value_or(0));
}

} // namespace orvex
