#include "schedule/loop_conditions.h"

#include <algorithm>

namespace orvex {

bool InDateTimeWindow(std::optional<TDateTime> firstDate, std::optional<TDateTime> firstTime,
                      std::optional<TDateTime> lastDate, std::optional<TDateTime> lastTime,
                      TDateTime date, TDateTime time) {
    // Day numbers run in the same order as (year, month, day) triples.
    const std::int64_t day = dayNumberOf(date);
    if (firstDate && day < dayNumberOf(*firstDate)) {
        return false;
    }
    if (lastDate && day > dayNumberOf(*lastDate)) {
        return false;
    }
    const int second = secondOfDay(time);
    if (firstTime && second < secondOfDay(*firstTime)) {
        return false;
    }
    if (lastTime && second > secondOfDay(*lastTime)) {
        return false;
    }
    return true;
}

bool LoopIsActive(const LoopTable& loops, std::uint8_t index, TDateTime date, TDateTime time) {
    if (index >= usedLoopCount(loops)) {
        return false;
    }
    const LoopEntry& loop = loops.Loops[index];
    if (loop.Checked == 0) {
        return false;
    }
    const auto bound = [](std::uint8_t flag, TDateTime value) {
        return flag != 0 ? std::optional<TDateTime>(value) : std::nullopt;
    };
    if (!InDateTimeWindow(bound(loop.bDateIni, loop.DateIni), bound(loop.bTimeIni, loop.TimeIni),
                          bound(loop.bDateEnd, loop.DateEnd), bound(loop.bTimeEnd, loop.TimeEnd),
                          date, time)) {
        return false;
    }
    if (loop.bWeekDay != 0 && dayOfWeek(dayNumberOf(date)) != loop.WeekDay) {
        return false;
    }
    if (loop.bMonthDay != 0 && decodeDate(date).day != loop.MonthDay) {
        return false;
    }
    return true;
}

int usedLoopCount(const LoopTable& loops) {
    return std::min<int>(loops.LoopCount, kMaxLoops);
}

} // namespace orvex
