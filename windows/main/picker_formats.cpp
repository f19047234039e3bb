#include "windows/main/picker_formats.h"

#include "windows/shell/model_text.h"

namespace orvex {
namespace {

// A separator is taken literally, even if it holds letters Qt would read as a field.
QString literal(const std::string& cp1252) {
    QString text = modelText(cp1252);
    text.replace(QLatin1Char('\''), QStringLiteral("''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

} // namespace

QString qtDateFormat(const RegionalFormat& format) {
    const QString day = format.dayLeadingZero ? QStringLiteral("dd") : QStringLiteral("d");
    const QString month = format.monthLeadingZero ? QStringLiteral("MM") : QStringLiteral("M");
    const QString year = QStringLiteral("yyyy");
    QString pattern;
    for (const DateField field : dateFieldOrder(format.dateOrder)) {
        if (!pattern.isEmpty()) {
            pattern += literal(format.dateSeparator);
        }
        pattern += field == DateField::Day ? day : field == DateField::Month ? month : year;
    }
    return pattern;
}

QString qtTimeFormat(const RegionalFormat& format) {
    const QString sep = literal(format.timeSeparator);
    QString hour;
    if (format.twelveHour) {
        hour = format.hourLeadingZero ? QStringLiteral("hh") : QStringLiteral("h");
    } else {
        hour = format.hourLeadingZero ? QStringLiteral("HH") : QStringLiteral("H");
    }
    const QString clock = hour + sep + QStringLiteral("mm") + sep + QStringLiteral("ss");
    if (!format.twelveHour) {
        return clock;
    }
    return format.designatorFirst ? QStringLiteral("AP ") + clock : clock + QStringLiteral(" AP");
}

} // namespace orvex
