#include "schedule/compute_schedule.h"
#include "schedule/tests/memoized_scan.h"
#include "schedule/tests/per_second_scan.h"
#include "schedule/tests/random_sequence.h"
#include "schedule/tests/row_text.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <numeric>
#include <vector>

namespace orvex {
namespace {

struct Tables {
    std::unique_ptr<LoopTable> pool = std::make_unique<LoopTable>();
    std::unique_ptr<LoopTable> sequence = std::make_unique<LoopTable>();
    std::unique_ptr<ScheduleTable> expected = std::make_unique<ScheduleTable>();
    std::unique_ptr<ScheduleTable> actual = std::make_unique<ScheduleTable>();
};

void takeFromPool(LoopTable& sequence, const LoopTable& pool, std::span<const std::uint8_t> picks) {
    sequence.LoopCount = static_cast<std::uint8_t>(picks.size());
    for (std::size_t i = 0; i < picks.size(); ++i) {
        sequence.Loops[i] = pool.Loops[picks[i]];
    }
}

TEST(ScheduleEquivalence, MemoizedScanIsThePerSecondScan) {
    Tables t;
    testing::SequenceGenerator generator(4711);
    for (int round = 0; round < 4; ++round) {
        const TDateTime date = generator.date();
        generator.fill(*t.pool, 6, date);
        std::vector<std::uint8_t> picks(6);
        std::iota(picks.begin(), picks.end(), std::uint8_t{0});
        testing::MemoizedScan(*t.pool, date).scan(*t.expected, *t.pool, picks);
        testing::scanSchedule(*t.actual, *t.pool, date);
        EXPECT_EQ(testing::rowTexts(*t.actual, *t.pool), testing::rowTexts(*t.expected, *t.pool));
    }
}

// Loops are drawn, with repeats and in any order, from a pool made around each day, so that the
// pool's per-second answers serve many sequences.
TEST(ScheduleEquivalence, FastEvaluationGivesTheScansRowsOnRandomSequences) {
    constexpr int kDays = 8;
    constexpr int kPoolSize = 32;
    constexpr int kSequencesPerDay = 320;
    Tables t;
    testing::SequenceGenerator generator(20091126);
    std::vector<std::uint8_t> picks;
    for (int day = 0; day < kDays; ++day) {
        const TDateTime date = generator.date();
        generator.fill(*t.pool, kPoolSize, date);
        const testing::MemoizedScan oracle(*t.pool, date);
        for (int k = 0; k < kSequencesPerDay; ++k) {
            picks.resize(static_cast<std::size_t>(generator.loopCount()));
            std::ranges::generate(
                picks, [&] { return static_cast<std::uint8_t>(generator.below(kPoolSize)); });
            takeFromPool(*t.sequence, *t.pool, picks);
            oracle.scan(*t.expected, *t.sequence, picks);
            ComputeSchedule(*t.actual, *t.sequence, date);
            if (!std::ranges::equal(t.actual->rows(), t.expected->rows())) {
                ADD_FAILURE() << "day " << date << ", sequence " << k << " of " << picks.size()
                              << " loops";
                EXPECT_EQ(testing::rowTexts(*t.actual, *t.sequence),
                          testing::rowTexts(*t.expected, *t.sequence));
                return;
            }
        }
    }
}

} // namespace
} // namespace orvex
