#include "windows/insight/insight_texts.h"

#include "platform/services.h"
#include "schedule/clock_text.h"
#include "windows/shell/model_text.h"

#include <array>

namespace orvex {
namespace {

QString weekDayCondition(std::int64_t weekDay) {
    switch (weekDay) {
    case 0:
        return InsightTexts::tr("only on Sundays");
    case 1:
        return InsightTexts::tr("only on Mondays");
    case 2:
        return InsightTexts::tr("only on Tuesdays");
    case 3:
        return InsightTexts::tr("only on Wednesdays");
    case 4:
        return InsightTexts::tr("only on Thursdays");
    case 5:
        return InsightTexts::tr("only on Fridays");
    case 6:
        return InsightTexts::tr("only on Saturdays");
    default:
        return InsightTexts::tr("only on week day %1, which does not exist").arg(weekDay);
    }
}

QString shortWeekDay(int weekDay) {
    const std::array<QString, 7> names = {InsightTexts::tr("Sun"), InsightTexts::tr("Mon"),
                                          InsightTexts::tr("Tue"), InsightTexts::tr("Wed"),
                                          InsightTexts::tr("Thu"), InsightTexts::tr("Fri"),
                                          InsightTexts::tr("Sat")};
    return names[static_cast<std::size_t>(weekDay)];
}

// A loop that waits for a remote event says so on a line of its own.
QString withEvent(const QString& text, const LoopTable& loops, std::uint8_t loop) {
    const QString event = InsightTexts::remoteEvent(loops.Loops[loop % kMaxLoops].Event);
    return event.isEmpty() ? text : text + QLatin1Char('\n') + event;
}

} // namespace

QString InsightTexts::condition(const Condition& condition) {
    switch (condition.kind) {
    case ConditionKind::Ticked:
        return condition.holds ? tr("ticked") : tr("unticked");
    case ConditionKind::FirstDate:
        return tr("starts %1").arg(date(condition.value));
    case ConditionKind::LastDate:
        return tr("ends %1").arg(date(condition.value));
    case ConditionKind::FirstTime:
        return tr("from %1").arg(time(static_cast<int>(condition.value)));
    case ConditionKind::LastTime:
        return tr("until %1").arg(time(static_cast<int>(condition.value)));
    case ConditionKind::WeekDay:
        return weekDayCondition(condition.value);
    case ConditionKind::MonthDay:
        return condition.value >= 1 && condition.value <= 31
                   ? tr("only on day %1 of the month").arg(condition.value)
                   : tr("only on day %1 of the month, which does not exist").arg(condition.value);
    }
    return {};
}

QString InsightTexts::state(const LoopExplanation& explanation, const LoopTable& loops) {
    switch (explanation.state) {
    case PlayState::Active:
        return tr("Active");
    case PlayState::Overlapped:
        return tr("Overlapped by %1").arg(loopName(loops, explanation.overlappedBy.value_or(0)));
    case PlayState::NotPlaying:
        break;
    }
    return tr("Not playing");
}

QString InsightTexts::remoteEvent(std::uint8_t event) {
    if (event == 0) {
        return {};
    }
    return event < kEventNames.size()
               ? tr("waits for %1").arg(QString::fromLatin1(kEventNames[event]))
               : tr("waits for event %1").arg(event);
}

QString InsightTexts::nextStart(const std::optional<Moment>& start) {
    return start ? moment(*start) : tr("none within a year");
}

QString InsightTexts::timelinePoint(const LoopTable& loops, const TimelineDay& day,
                                    std::optional<std::uint8_t> loop, int second) {
    const ScreenSpan* shown = screenAt(day, second);
    if (shown == nullptr) {
        return {};
    }
    const QString date = dayWithWeekDay(day.day);
    if (!loop) {
        const QString from = time(shown->first);
        const QString to = time(shown->last);
        if (!shown->loop) {
            return tr("Nothing plays, %1 to %2, %3").arg(from, to, date);
        }
        return withEvent(
            tr("On screen: %1, %2 to %3, %4").arg(loopName(loops, *shown->loop), from, to, date),
            loops, *shown->loop);
    }
    const QString name = loopName(loops, *loop);
    const auto spans = lanesOf(day, *loop);
    const auto span = std::ranges::find_if(
        spans, [&](const LaneSpan& s) { return s.first <= second && second <= s.last; });
    if (span == spans.end()) {
        return withEvent(tr("%1: not playing at %2, %3").arg(name, time(second), date), loops,
                         *loop);
    }
    const QString from = time(span->first);
    const QString to = time(span->last);
    if (span->state == PlayState::Active) {
        return withEvent(tr("%1: Active, %2 to %3, %4").arg(name, from, to, date), loops, *loop);
    }
    // The winner may change within the span; the one named is on screen at this second.
    const QString winner = loopName(loops, shown->loop.value_or(0));
    return withEvent(tr("%1: Overlapped by %2, %3 to %4, %5").arg(name, winner, from, to, date),
                     loops, *loop);
}

QString InsightTexts::loopName(const LoopTable& loops, std::uint8_t loop) {
    return modelText(textOf(loops.Loops[loop % kMaxLoops].Name));
}

QString InsightTexts::date(std::int64_t day) {
    return modelText(formatDate(regional(), encodeDateTime(day, 0)));
}

QString InsightTexts::dayWithWeekDay(std::int64_t day) {
    return tr("%1 %2", "week day, date").arg(shortWeekDay(dayOfWeek(day)), date(day));
}

QString InsightTexts::time(int second) {
    return QString::fromLatin1(clockText(second));
}

QString InsightTexts::moment(const Moment& moment) {
    return tr("%1 %2", "date, time").arg(date(moment.day), time(moment.second));
}

} // namespace orvex
