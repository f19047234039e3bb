#include "schedule/tests/random_sequence.h"

#include <string>

namespace orvex::testing {

int SequenceGenerator::below(int bound) {
    // The engine's output is fixed by the standard; the library's distributions are not.
    return static_cast<int>(m_rng() % static_cast<std::uint32_t>(bound));
}

TDateTime SequenceGenerator::date() {
    const int year = 1900 + below(200);
    const int month = 1 + below(12);
    std::int64_t day = 0;
    switch (below(6)) {
    case 0:
        day = dayNumberOf(CivilDate{year, month, daysInMonth(year, month)});
        break;
    case 1:
        day = dayNumberOf(CivilDate{1904 + 4 * below(49), 2, 29});
        break;
    case 2:
        day = dayNumberOf(CivilDate{year, 3, 1}) - below(2);
        break;
    case 3:
        day = -1 - below(800);
        break;
    default:
        day = dayNumberOf(CivilDate{year, month, 1 + below(daysInMonth(year, month))});
        break;
    }
    return chance(30) ? withStrayTime(day) : static_cast<TDateTime>(day);
}

int SequenceGenerator::loopCount() {
    const int kind = below(100);
    if (kind < 40) {
        return 1 + below(4);
    }
    if (kind < 70) {
        return 5 + below(12);
    }
    if (kind < 90) {
        return 17 + below(48);
    }
    return kind < 95 ? kMaxLoops : 65 + below(64);
}

std::int64_t SequenceGenerator::dayNear(std::int64_t day) {
    return chance(75) ? day - 1 + below(3) : day - 400 + below(801);
}

TDateTime SequenceGenerator::withStrayTime(std::int64_t day) {
    return encodeDateTime(day, below(kSecondsPerDay));
}

TDateTime SequenceGenerator::timeValue() {
    int second = 0;
    switch (below(10)) {
    case 0:
        second = 0;
        break;
    case 1:
        second = kSecondsPerDay - 1;
        break;
    case 2:
    case 3:
    case 4:
        second = m_sharedSeconds[static_cast<std::size_t>(below(4))];
        break;
    default:
        second = below(kSecondsPerDay);
        break;
    }
    const int strayDay = chance(30) ? below(80000) - 1000 : 0;
    if (chance(20)) {
        // Milliseconds, some of which round up into the next second.
        const double fraction = (below(10000) / 10.0 + 0.05) / 1000.0;
        const double timePart = (second + fraction) / kSecondsPerDay;
        return strayDay < 0 ? strayDay - timePart : strayDay + timePart;
    }
    return encodeDateTime(strayDay, second);
}

void SequenceGenerator::fillLoop(LoopEntry& loop, std::int64_t day) {
    loop.Checked = chance(90) ? 1 : 0;
    loop.bDateIni = chance(50) ? 1 : 0;
    loop.bDateEnd = chance(50) ? 1 : 0;
    loop.DateIni = chance(50) ? withStrayTime(dayNear(day)) : static_cast<TDateTime>(dayNear(day));
    loop.DateEnd = chance(50) ? withStrayTime(dayNear(day)) : static_cast<TDateTime>(dayNear(day));
    loop.bTimeIni = chance(60) ? 1 : 0;
    loop.bTimeEnd = chance(60) ? 1 : 0;
    loop.TimeIni = timeValue();
    loop.TimeEnd = timeValue();
    if (chance(5)) {
        // Deliberately before the first time.
        loop.TimeEnd = encodeDateTime(0, below(secondOfDay(loop.TimeIni) + 1));
    }
    loop.bWeekDay = chance(25) ? 1 : 0;
    loop.WeekDay = static_cast<std::uint8_t>(chance(60) ? dayOfWeek(day) : below(7));
    loop.bMonthDay = chance(25) ? 1 : 0;
    const int monthDay = civilDateOf(day).day;
    loop.MonthDay = static_cast<std::uint8_t>(chance(50) ? monthDay : 28 + below(4));
    if (chance(3)) {
        loop.WeekDay = static_cast<std::uint8_t>(below(256));
        loop.MonthDay = static_cast<std::uint8_t>(below(256));
    }
    loop.Loop = static_cast<std::uint8_t>(below(2));
    loop.Event = static_cast<std::uint8_t>(below(24));
    loop.nItems = static_cast<std::uint8_t>(below(kMaxImageItems + 1));
}

void SequenceGenerator::fill(LoopTable& loops, int count, TDateTime date) {
    for (int& second : m_sharedSeconds) {
        second = below(kSecondsPerDay);
    }
    const std::int64_t day = dayNumberOf(date);
    loops.LoopCount = static_cast<std::uint8_t>(count);
    for (int i = 0; i < count; ++i) {
        LoopEntry& loop = loops.Loops[static_cast<std::size_t>(i)];
        setText(loop.Name, "L" + std::to_string(i));
        fillLoop(loop, day);
    }
}

} // namespace orvex::testing
