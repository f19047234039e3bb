#include "schedule/tests/memoized_scan.h"

#include "schedule/compute_schedule.h"
#include "schedule/loop_conditions.h"

#include <bit>

namespace orvex::testing {
namespace {

bool bitAt(const std::vector<std::uint64_t>& bits, int second) {
    const auto s = static_cast<std::size_t>(second);
    return ((bits[s / 64] >> (s % 64)) & 1U) != 0;
}

void setBit(std::vector<std::uint64_t>& bits, int second) {
    const auto s = static_cast<std::size_t>(second);
    bits[s / 64] |= std::uint64_t{1} << (s % 64);
}

} // namespace

MemoizedScan::MemoizedScan(const LoopTable& pool, TDateTime date) {
    for (int i = 0; i < usedLoopCount(pool); ++i) {
        DayBits matches(kWords);
        DayBits changes(kWords);
        bool previous = false;
        for (int second = 0; second < kSecondsPerDay; ++second) {
            const bool current =
                LoopIsActive(pool, static_cast<std::uint8_t>(i), date, encodeDateTime(0, second));
            if (current) {
                setBit(matches, second);
            }
            if (current != previous) {
                setBit(changes, second);
            }
            previous = current;
        }
        m_matches.push_back(std::move(matches));
        m_changes.push_back(std::move(changes));
    }
}

void MemoizedScan::scan(ScheduleTable& table, const LoopTable& sequence,
                        std::span<const std::uint8_t> picks) const {
    table.RowCount = 0;
    table.PrevMatch.fill(0);
    table.CurMatch.fill(0);
    DayBits changed(kWords);
    for (const std::uint8_t pick : picks) {
        for (std::size_t w = 0; w < kWords; ++w) {
            changed[w] |= m_changes[pick][w];
        }
    }
    for (std::size_t w = 0; w < kWords; ++w) {
        for (std::uint64_t bits = changed[w]; bits != 0; bits &= bits - 1) {
            const auto second =
                static_cast<int>(w * 64 + static_cast<std::size_t>(std::countr_zero(bits)));
            for (std::size_t i = 0; i < picks.size(); ++i) {
                table.CurMatch[i] = bitAt(m_matches[picks[i]], second) ? 1 : 0;
            }
            AppendScheduleRow(table, sequence, second);
        }
    }
}

} // namespace orvex::testing
