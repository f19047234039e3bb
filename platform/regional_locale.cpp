#include "cp1252.h"
#include "regional.h"

#include <algorithm>
#include <functional>
#include <langinfo.h>
#include <locale.h>
#include <string_view>

namespace orvex {
namespace {

struct LocaleHandle {
    locale_t handle;
    explicit LocaleHandle(const std::string& name)
        : handle(newlocale(LC_TIME_MASK, name.c_str(), static_cast<locale_t>(nullptr))) {
        if (handle == static_cast<locale_t>(nullptr)) {
            handle = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(nullptr));
        }
    }
    ~LocaleHandle() { freelocale(handle); }
    LocaleHandle(const LocaleHandle&) = delete;
    LocaleHandle& operator=(const LocaleHandle&) = delete;
    std::string item(nl_item which) const { return nl_langinfo_l(which, handle); }
};

// Designators reach the playlist, so they must be Windows-1252; a locale whose designators
// cannot be written that way gets the English ones.
std::string designatorIn1252(const std::string& text, const std::string& codeset,
                             const char* fallback) {
    if (codeset == "UTF-8") {
        return utf8ToCp1252(text).value_or(fallback);
    }
    const bool ascii = std::all_of(text.begin(), text.end(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    const bool latin = codeset == "ISO-8859-1" || codeset == "ISO-8859-15" || codeset == "CP1252";
    return ascii || latin ? text : std::string(fallback);
}

// Walks a strftime pattern, expanding the composite conversions, and reports each field
// conversion with the literal text that preceded it.
using FieldHandler = std::function<void(std::string_view literal, char conversion, char flag)>;

void walkPattern(std::string_view pattern, const std::string& ampmPattern,
                 const FieldHandler& onField) {
    std::string literal;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%' || i + 1 >= pattern.size()) {
            literal += pattern[i];
            continue;
        }
        char flag = 0;
        char conversion = pattern[++i];
        while ((conversion == '-' || conversion == '_' || conversion == '0' || conversion == 'E' ||
                conversion == 'O') &&
               i + 1 < pattern.size()) {
            if (conversion == '-' || conversion == '_') {
                flag = conversion;
            }
            conversion = pattern[++i];
        }
        const char* expansion = nullptr;
        switch (conversion) {
        case 'D':
            expansion = "%m/%d/%y";
            break;
        case 'F':
            expansion = "%Y-%m-%d";
            break;
        case 'T':
            expansion = "%H:%M:%S";
            break;
        case 'R':
            expansion = "%H:%M";
            break;
        case 'r':
            expansion = ampmPattern.c_str();
            break;
        default:
            break;
        }
        if (expansion != nullptr) {
            walkPattern(expansion, "%I:%M:%S %p", [&](std::string_view lit, char c, char f) {
                onField(literal + std::string(lit), c, f);
                literal.clear();
            });
            continue;
        }
        if (conversion == '%') {
            literal += '%';
            continue;
        }
        onField(literal, conversion, flag);
        literal.clear();
    }
}

void readDatePattern(RegionalFormat& format, const std::string& pattern) {
    std::string order;
    std::string separator;
    walkPattern(pattern, "", [&](std::string_view literal, char conversion, char flag) {
        const bool padded = flag == 0;
        char field = 0;
        switch (conversion) {
        case 'd':
            field = 'd', format.dayLeadingZero = padded;
            break;
        case 'e':
            field = 'd', format.dayLeadingZero = false;
            break;
        case 'm':
            field = 'm', format.monthLeadingZero = padded;
            break;
        case 'y':
        case 'Y':
        case 'C':
        case 'G':
        case 'g':
            field = 'y';
            break;
        default:
            return;
        }
        if (order.find(field) != std::string::npos) {
            return;
        }
        if (order.size() == 1 && !literal.empty()) {
            separator = literal;
        }
        order += field;
    });
    if (order == "mdy") {
        format.dateOrder = DateOrder::MonthDayYear;
    } else if (order == "ymd") {
        format.dateOrder = DateOrder::YearMonthDay;
    } else if (order == "dmy") {
        format.dateOrder = DateOrder::DayMonthYear;
    }
    if (!separator.empty()) {
        format.dateSeparator = separator;
    }
}

void readTimePattern(RegionalFormat& format, const std::string& pattern,
                     const std::string& ampmPattern) {
    bool sawHour = false;
    bool sawMinute = false;
    walkPattern(pattern, ampmPattern, [&](std::string_view literal, char conversion, char flag) {
        switch (conversion) {
        case 'H':
        case 'k':
        case 'I':
        case 'l':
            sawHour = true;
            format.twelveHour = conversion == 'I' || conversion == 'l';
            format.hourLeadingZero = (conversion == 'H' || conversion == 'I') && flag == 0;
            break;
        case 'M':
            if (sawHour && !sawMinute && !literal.empty()) {
                format.timeSeparator = std::string(literal);
            }
            sawMinute = true;
            break;
        case 'p':
        case 'P':
            format.designatorFirst = !sawHour;
            break;
        default:
            break;
        }
    });
}

} // namespace

RegionalFormat regionalFormatOfLocale(const std::string& localeName) {
    const LocaleHandle locale(localeName);
    RegionalFormat format;
    readDatePattern(format, locale.item(D_FMT));
    readTimePattern(format, locale.item(T_FMT), locale.item(T_FMT_AMPM));
    const std::string codeset = locale.item(CODESET);
    format.amDesignator = designatorIn1252(locale.item(AM_STR), codeset, "AM");
    format.pmDesignator = designatorIn1252(locale.item(PM_STR), codeset, "PM");
    if (format.amDesignator.empty() || format.pmDesignator.empty()) {
        // Without designators a 12-hour text could not tell morning from afternoon.
        format.twelveHour = false;
        format.designatorFirst = false;
    }
    return format;
}

} // namespace orvex
