#include "param/param_io.h"
#include "platform/tests/fake_services.h"
#include "playlist/playlist_file.h"
#include "playlist/playlist_read.h"
#include "playlist/playlist_write.h"
#include "playlist/tests/full_sequence.h"
#include "playlist/tests/test_files.h"

#include <benchmark/benchmark.h>
#include <memory>

namespace orvex {
namespace {

// The largest sequence the editor can hold, about 3 MB of playlist text.
void BM_SaveFullSequence(benchmark::State& state) {
    testing::FakeServices services;
    testing::TempFolder folder;
    const auto sequence = testing::fullSequence();
    const auto file = folder / kPlaylistFileName;
    for (auto _ : state) {
        const FileResult result = savePlaylist(*sequence, services.regional, file);
        if (!result) {
            state.SkipWithError(result.reason.c_str());
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(file)));
}
BENCHMARK(BM_SaveFullSequence)->Unit(benchmark::kMillisecond);

void BM_LoadFullSequence(benchmark::State& state) {
    testing::FakeServices services;
    testing::TempFolder folder;
    const auto file = folder / kPlaylistFileName;
    if (!savePlaylist(*testing::fullSequence(), services.regional, file)) {
        state.SkipWithError("cannot write the playlist");
        return;
    }
    for (auto _ : state) {
        LoadResult result = loadPlaylist(file, services.regional);
        if (result.sequence == nullptr) {
            state.SkipWithError(result.message.c_str());
            break;
        }
        benchmark::DoNotOptimize(result.sequence->loopTable.LoopCount);
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(file)));
}
BENCHMARK(BM_LoadFullSequence)->Unit(benchmark::kMillisecond);

// The two halves that are the playlist's own, without the XML text and the file.
void BM_WriteSequenceToDocument(benchmark::State& state) {
    testing::FakeServices services;
    const auto sequence = testing::fullSequence();
    for (auto _ : state) {
        ParamIO io;
        WriteMainParams(io, *sequence, services.regional);
        benchmark::DoNotOptimize(io.notify().root().children().size());
    }
}
BENCHMARK(BM_WriteSequenceToDocument)->Unit(benchmark::kMillisecond);

void BM_ReadSequenceFromDocument(benchmark::State& state) {
    testing::FakeServices services;
    ParamIO io;
    WriteMainParams(io, *testing::fullSequence(), services.regional);
    auto sequence = std::make_unique<Sequence>();
    for (auto _ : state) {
        ClearLoops(sequence->loopTable);
        ReadMainParams(io, *sequence, services.regional);
        benchmark::DoNotOptimize(sequence->loopTable.LoopCount);
    }
}
BENCHMARK(BM_ReadSequenceFromDocument)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvex

BENCHMARK_MAIN();
