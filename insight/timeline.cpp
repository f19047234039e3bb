#include "insight/timeline.h"

#include "schedule/loop_conditions.h"
#include "schedule/playing_span.h"

#include <algorithm>
#include <array>
#include <bit>

namespace orvex {
namespace {

// The loops that play at one moment, by index.
class LoopSet {
public:
    void set(std::uint8_t loop, bool plays) {
        const std::uint64_t bit = std::uint64_t{1} << (loop % 64);
        std::uint64_t& word = m_words[loop / 64];
        word = plays ? word | bit : word & ~bit;
    }
    // The loop of highest priority in the set.
    std::optional<std::uint8_t> first() const {
        for (std::size_t w = 0; w < m_words.size(); ++w) {
            if (m_words[w] != 0) {
                return static_cast<std::uint8_t>(
                    w * 64 + static_cast<std::size_t>(std::countr_zero(m_words[w])));
            }
        }
        return std::nullopt;
    }

private:
    std::array<std::uint64_t, kMaxLoops / 64> m_words{};
};

struct Change {
    int second = 0;
    std::uint8_t loop = 0;
    bool starts = false;
};

// Who is on screen, from each loop's span: the winner can change only where a span begins or
// ends.
std::vector<ScreenSpan> screenOf(const std::vector<std::optional<PlayingSpan>>& spans) {
    std::vector<Change> changes;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (const auto& span = spans[i]) {
            const auto loop = static_cast<std::uint8_t>(i);
            changes.push_back({span->first, loop, true});
            if (span->last < kSecondsPerDay - 1) {
                changes.push_back({span->last + 1, loop, false});
            }
        }
    }
    std::ranges::sort(changes, {}, &Change::second);

    std::vector<ScreenSpan> screen{{0, kSecondsPerDay - 1, std::nullopt}};
    LoopSet playing;
    for (auto it = changes.begin(); it != changes.end();) {
        const int second = it->second;
        for (; it != changes.end() && it->second == second; ++it) {
            playing.set(it->loop, it->starts);
        }
        const auto winner = playing.first();
        if (winner == screen.back().loop) {
            continue;
        }
        if (second == 0) {
            screen.back().loop = winner;
        } else {
            screen.back().last = second - 1;
            screen.push_back({second, kSecondsPerDay - 1, winner});
        }
    }
    return screen;
}

} // namespace

TimelineDay timelineOfDay(const LoopTable& loops, std::int64_t day) {
    std::vector<std::optional<PlayingSpan>> spans;
    for (int i = 0; i < usedLoopCount(loops); ++i) {
        spans.push_back(playingSpanOf(loops.Loops[static_cast<std::size_t>(i)], day));
    }
    TimelineDay timeline{day, screenOf(spans), {}};

    // Each loop is Active exactly where it is on screen and Overlapped for the rest of its span.
    std::vector<ScreenSpan> won;
    std::ranges::copy_if(timeline.screen, std::back_inserter(won),
                         [](const ScreenSpan& span) { return span.loop.has_value(); });
    std::ranges::stable_sort(won, {}, [](const ScreenSpan& span) { return *span.loop; });
    auto nextWon = won.begin();
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (!spans[i]) {
            continue;
        }
        const auto loop = static_cast<std::uint8_t>(i);
        int from = spans[i]->first;
        for (; nextWon != won.end() && *nextWon->loop == loop; ++nextWon) {
            if (nextWon->first > from) {
                timeline.lanes.push_back({loop, PlayState::Overlapped, from, nextWon->first - 1});
            }
            timeline.lanes.push_back({loop, PlayState::Active, nextWon->first, nextWon->last});
            from = nextWon->last + 1;
        }
        if (from <= spans[i]->last) {
            timeline.lanes.push_back({loop, PlayState::Overlapped, from, spans[i]->last});
        }
    }
    return timeline;
}

std::span<const LaneSpan> lanesOf(const TimelineDay& day, std::uint8_t loop) {
    const auto found = std::ranges::equal_range(day.lanes, loop, {}, &LaneSpan::loop);
    return {found.begin(), found.end()};
}

const ScreenSpan* screenAt(const TimelineDay& day, int second) {
    const auto found = std::ranges::find_if(day.screen, [second](const ScreenSpan& span) {
        return span.first <= second && second <= span.last;
    });
    return found != day.screen.end() ? &*found : nullptr;
}

std::vector<TimelineDay> timelineOfDays(const LoopTable& loops, std::int64_t firstDay,
                                        int dayCount) {
    std::vector<TimelineDay> days;
    for (int d = 0; d < dayCount; ++d) {
        days.push_back(timelineOfDay(loops, firstDay + d));
    }
    return days;
}

} // namespace orvex
