#pragma once

#include "model/records.h"

#include <cstdint>
#include <random>

namespace orvex::testing {

// Random loop tables that dwell on the places where schedules go wrong: date bounds on and
// beside the day, month ends and 29 February, time bounds at midnight, at 23:59:59, shared by
// several loops, or in the wrong order, fields carrying a stray date or time part, unchecked
// loops and out-of-range week and month days. The same seed gives the same tables everywhere.
class SequenceGenerator {
public:
    explicit SequenceGenerator(std::uint32_t seed) : m_rng(seed) {}

    // A day to compute, often a month end or a leap day, sometimes with a time part.
    TDateTime date();
    // Mostly a few loops, now and then up to 128.
    int loopCount();
    // Replaces the table with `count` random loops whose bounds lie around `date`.
    void fill(LoopTable& loops, int count, TDateTime date);
    // 0 to bound - 1.
    int below(int bound);

private:
    std::mt19937 m_rng;
    std::array<int, 4> m_sharedSeconds{};

    bool chance(int percent) { return below(100) < percent; }
    std::int64_t dayNear(std::int64_t day);
    TDateTime withStrayTime(std::int64_t day);
    TDateTime timeValue();
    void fillLoop(LoopEntry& loop, std::int64_t day);
};

} // namespace orvex::testing
