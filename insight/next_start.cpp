#include "insight/next_start.h"

#include "schedule/playing_span.h"

namespace orvex {

std::optional<Moment> nextStart(const LoopEntry& loop, Moment after) {
    const auto yesterday = playingSpanOf(loop, after.day - 1);
    bool playedAtMidnight = yesterday && yesterday->last == kSecondsPerDay - 1;
    for (std::int64_t day = after.day; day <= after.day + kLookAheadDays; ++day) {
        // A day holds one span at most, so its first second is the day's only possible start.
        const auto span = playingSpanOf(loop, day);
        const bool continues = span && span->first == 0 && playedAtMidnight;
        if (span && !continues && after < Moment{day, span->first}) {
            return Moment{day, span->first};
        }
        playedAtMidnight = span && span->last == kSecondsPerDay - 1;
    }
    return std::nullopt;
}

} // namespace orvex
