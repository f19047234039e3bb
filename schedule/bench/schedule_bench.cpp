#include "schedule/compute_schedule.h"
#include "schedule/tests/per_second_scan.h"
#include "schedule/tests/random_sequence.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace orvex {
namespace {

struct Day {
    std::unique_ptr<LoopTable> loops = std::make_unique<LoopTable>();
    TDateTime date = 0;
};

// Full 128-loop sequences, the most work a day can ask for.
const std::vector<Day>& fullSequences() {
    static const std::vector<Day> days = [] {
        std::vector<Day> made(8);
        testing::SequenceGenerator generator(2009);
        for (Day& day : made) {
            day.date = generator.date();
            generator.fill(*day.loops, kMaxLoops, day.date);
        }
        return made;
    }();
    return days;
}

template <void (*Evaluate)(ScheduleTable&, const LoopTable&, TDateTime)>
void evaluateDays(benchmark::State& state) {
    const auto& days = fullSequences();
    const auto table = std::make_unique<ScheduleTable>();
    std::size_t next = 0;
    for (auto _ : state) {
        const Day& day = days[next];
        next = (next + 1) % days.size();
        Evaluate(*table, *day.loops, day.date);
        benchmark::DoNotOptimize(table->RowCount);
        benchmark::ClobberMemory();
    }
}

void perSecondScan(benchmark::State& state) {
    evaluateDays<testing::scanSchedule>(state);
}
void fastEvaluation(benchmark::State& state) {
    evaluateDays<ComputeSchedule>(state);
}

BENCHMARK(perSecondScan)->Unit(benchmark::kMillisecond)->Iterations(16);
BENCHMARK(fastEvaluation)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace orvex

BENCHMARK_MAIN();
