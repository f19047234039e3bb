#pragma once

#include "insight/explanation.h"
#include "insight/moment.h"
#include "insight/timeline.h"

#include <QCoreApplication>
#include <QString>
#include <optional>

namespace orvex {

// The words in which the insight windows tell why a loop plays or not and when. Dates follow
// the regional short format as the loop list shows them; times are on the schedule's 24-hour
// clock.
class InsightTexts {
    Q_DECLARE_TR_FUNCTIONS(InsightTexts)

public:
    // As the condition reads on the loop, such as "ends 26/12/2009" or "only on Saturdays".
    static QString condition(const Condition& condition);
    // "Active", "Overlapped by Breakfast" or "Not playing".
    static QString state(const LoopExplanation& explanation, const LoopTable& loops);
    // "waits for KEY_1", or empty for no remote event.
    static QString remoteEvent(std::uint8_t event);
    static QString nextStart(const std::optional<Moment>& start);

    // What a point of a day's timeline shows: the loop on screen or nothing on the screen
    // lane (no loop), else the state of `loop`, with the span's times and the day.
    static QString timelinePoint(const LoopTable& loops, const TimelineDay& day,
                                 std::optional<std::uint8_t> loop, int second);

    static QString loopName(const LoopTable& loops, std::uint8_t loop);
    static QString date(std::int64_t day);
    // The day with its week day, such as "Thu 26/11/2009".
    static QString dayWithWeekDay(std::int64_t day);
    static QString time(int second);
    static QString moment(const Moment& moment);
};

} // namespace orvex
