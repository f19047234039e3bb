#include "windows/main/row_texts.h"

#include "platform/services.h"

#include <array>

namespace orvex {
namespace {

constexpr const char* kNoValue = "----";
constexpr std::array<const char*, 7> kWeekDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                      "Thursday", "Friday", "Saturday"};

QString noValue() {
    return QString::fromLatin1(kNoValue);
}

template <std::size_t N>
QString nameOrNoValue(const std::array<const char*, N>& names, std::uint8_t index) {
    return index < N ? QString::fromLatin1(names[index]) : noValue();
}

QString dateCell(std::uint8_t on, TDateTime date) {
    return on ? modelText(formatDate(regional(), date)) : noValue();
}

QString timeCell(std::uint8_t on, TDateTime time) {
    return on ? modelText(formatTime(regional(), time)) : noValue();
}

} // namespace

QStringList loopRowTexts(const LoopEntry& loop) {
    const bool monthDayInRange = loop.MonthDay >= 1 && loop.MonthDay <= 31;
    return {
        modelText(textOf(loop.Name)),
        dateCell(loop.bDateIni, loop.DateIni),
        dateCell(loop.bDateEnd, loop.DateEnd),
        loop.bWeekDay ? nameOrNoValue(kWeekDayNames, loop.WeekDay) : noValue(),
        loop.bMonthDay && monthDayInRange ? QString::number(loop.MonthDay) : noValue(),
        timeCell(loop.bTimeIni, loop.TimeIni),
        timeCell(loop.bTimeEnd, loop.TimeEnd),
        loop.Loop ? QStringLiteral("ON") : QStringLiteral("OFF"),
        nameOrNoValue(kEventNames, loop.Event),
    };
}

QStringList imageRowTexts(const ImageItem& item) {
    return {
        modelText(textOf(item.FileName)),
        timeCell(item.bDuration, item.Duration),
        nameOrNoValue(kPositionNames, item.Position),
    };
}

} // namespace orvex
