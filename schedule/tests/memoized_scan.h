#pragma once

#include "schedule/schedule_table.h"

#include <cstdint>
#include <span>
#include <vector>

namespace orvex::testing {

// The per-second scan for many sequences drawn from one pool of loops on one day. Each pool
// loop is tested by LoopIsActive at every second once, up front; scanning a sequence then reads
// those answers instead of asking again, which keeps thousands of scans affordable.
class MemoizedScan {
public:
    MemoizedScan(const LoopTable& pool, TDateTime date);

    // Scans `sequence`, whose loop i is the pool's loop picks[i].
    void scan(ScheduleTable& table, const LoopTable& sequence,
              std::span<const std::uint8_t> picks) const;

private:
    static constexpr std::size_t kWords = (kSecondsPerDay + 63) / 64;
    using DayBits = std::vector<std::uint64_t>;

    // Per pool loop: bit s is set when the loop matches at second s ...
    std::vector<DayBits> m_matches;
    // ... and when that differs from second s - 1 (nothing matches before midnight).
    std::vector<DayBits> m_changes;
};

} // namespace orvex::testing
