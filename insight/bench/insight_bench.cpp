// A year of a full sequence as the timeline evaluates it, against the per-second scan of the
// same sequence on a few of its days; the run ends with the ratio of the two for 366 days.
#include "insight/timeline.h"
#include "schedule/tests/per_second_scan.h"
#include "schedule/tests/random_sequence.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <memory>
#include <string>

namespace orvex {
namespace {

constexpr int kYear = 366;
constexpr int kScannedDays = 4;

struct Year {
    std::unique_ptr<LoopTable> loops = std::make_unique<LoopTable>();
    std::int64_t firstDay = dayNumberOf(CivilDate{2009, 1, 1});
};

// The most a day can ask: 128 loops that all play every day of the year, each starting and
// stopping at a second of its own, so that every day has 256 changes.
const Year& fullSequence() {
    static const Year year = [] {
        Year made;
        testing::SequenceGenerator generator(2009);
        generator.fill(*made.loops, kMaxLoops, static_cast<TDateTime>(made.firstDay));
        for (int i = 0; i < kMaxLoops; ++i) {
            LoopEntry& loop = made.loops->Loops[static_cast<std::size_t>(i)];
            loop.Checked = 1;
            loop.bDateIni = loop.bDateEnd = 1;
            loop.DateIni = static_cast<TDateTime>(made.firstDay);
            loop.DateEnd = static_cast<TDateTime>(made.firstDay + kYear);
            loop.bWeekDay = loop.bMonthDay = 0;
            loop.bTimeIni = loop.bTimeEnd = 1;
            loop.TimeIni = encodeDateTime(0, i * 300);
            loop.TimeEnd = encodeDateTime(0, 43200 + i * 300 + 7);
        }
        return made;
    }();
    return year;
}

void yearTimeline(benchmark::State& state) {
    const Year& year = fullSequence();
    for (auto _ : state) {
        auto days = timelineOfDays(*year.loops, year.firstDay, kYear);
        benchmark::DoNotOptimize(days.data());
        benchmark::ClobberMemory();
    }
}

void perSecondScanOfSampleDays(benchmark::State& state) {
    const Year& year = fullSequence();
    const auto table = std::make_unique<ScheduleTable>();
    for (auto _ : state) {
        for (int d = 0; d < kScannedDays; ++d) {
            testing::scanSchedule(*table, *year.loops, static_cast<TDateTime>(year.firstDay + d));
            benchmark::DoNotOptimize(table->RowCount);
        }
        benchmark::ClobberMemory();
    }
}

BENCHMARK(yearTimeline)->Unit(benchmark::kMillisecond);
BENCHMARK(perSecondScanOfSampleDays)->Unit(benchmark::kMillisecond)->Iterations(2);

// Keeps each benchmark's seconds per iteration for the closing comparison.
class ComparingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.iterations > 0) {
                m_seconds[run.benchmark_name()] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
            }
        }
    }
    const std::map<std::string, double>& seconds() const { return m_seconds; }

private:
    std::map<std::string, double> m_seconds;
};

} // namespace
} // namespace orvex

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    orvex::ComparingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const auto& seconds = reporter.seconds();
    const auto year = seconds.find("yearTimeline");
    const auto scan = seconds.find("perSecondScanOfSampleDays/iterations:2");
    if (year != seconds.end() && scan != seconds.end()) {
        const double scannedYear = scan->second / orvex::kScannedDays * orvex::kYear;
        std::printf("366 days of 128 loops: timeline %.2f ms, per-second scans %.1f s (from %d "
                    "days), %.0f times as long\n",
                    year->second * 1e3, scannedYear, orvex::kScannedDays,
                    scannedYear / year->second);
        std::fflush(stdout);
    }
    benchmark::Shutdown();
    return 0;
}
