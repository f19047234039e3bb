#include "schedule/playing_span.h"

namespace orvex {
namespace {

bool playsOnDay(const LoopEntry& loop, std::int64_t dayNumber) {
    if (loop.Checked == 0) {
        return false;
    }
    if (loop.bDateIni != 0 && dayNumber < dayNumberOf(loop.DateIni)) {
        return false;
    }
    if (loop.bDateEnd != 0 && dayNumber > dayNumberOf(loop.DateEnd)) {
        return false;
    }
    if (loop.bWeekDay != 0 && dayOfWeek(dayNumber) != loop.WeekDay) {
        return false;
    }
    if (loop.bMonthDay != 0 && civilDateOf(dayNumber).day != loop.MonthDay) {
        return false;
    }
    return true;
}

} // namespace

std::optional<PlayingSpan> playingSpanOf(const LoopEntry& loop, std::int64_t dayNumber) {
    if (!playsOnDay(loop, dayNumber)) {
        return std::nullopt;
    }
    PlayingSpan span;
    if (loop.bTimeIni != 0) {
        span.first = secondOfDay(loop.TimeIni);
    }
    if (loop.bTimeEnd != 0) {
        span.last = secondOfDay(loop.TimeEnd);
    }
    if (span.first > span.last) {
        return std::nullopt;
    }
    return span;
}

} // namespace orvex
