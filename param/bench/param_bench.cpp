// A full sequence, 128 loops of 128 image items, set, written, read back and queried; and the
// same bytes parsed by pugixml, as a yardstick for the reader.
#include "param/param_io.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#if defined(__GLIBC__)
#include <malloc.h>
#endif
#include <pugixml.hpp>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using orvex::ParamIO;

constexpr int kLoops = 128;
constexpr int kItems = 128;

// The paths and value texts a save of a full sequence sets, in its order.
std::vector<std::pair<std::string, std::string>> fullSequenceValues() {
    std::vector<std::pair<std::string, std::string>> values;
    const char* mainKeys[] = {"ScrollText", "Scroll",    "ShowText",  "ShowDate",
                              "ShowTime",   "TextColor", "BackColor", "TimeZoneIndex",
                              "EnableDST",  "FileLogo",  "xLogo",     "yLogo",
                              "xClock",     "yClock",    "Rotation",  "LoopCount"};
    for (const char* key : mainKeys) {
        values.emplace_back(std::string("PARAMS:MAIN:") + key, "1");
    }
    const char* loopKeys[] = {"Name",     "bDateIni",  "bDateEnd", "bTimeIni", "bTimeEnd",
                              "bWeekDay", "bMonthDay", "Loop",     "Checked",  "DateIni",
                              "DateEnd",  "TimeIni",   "TimeEnd",  "WeekDay",  "MonthDay",
                              "nItems",   "Event"};
    const std::pair<const char*, const char*> itemValues[] = {
        {"Duration", "00:00:10"}, {"bDuration", "1"}, {"Position", "4294967291"}, {"Checked", "1"}};
    for (int loop = 0; loop < kLoops; ++loop) {
        const std::string loopPath = "PARAMS:LOOP" + std::to_string(loop) + ":";
        for (const char* key : loopKeys) {
            values.emplace_back(loopPath + key, std::string(key).starts_with("Date")
                                                    ? "26/11/2009"
                                                    : "Loop" + std::to_string(loop));
        }
        for (int item = 0; item < kItems; ++item) {
            const std::string itemPath = loopPath + "IMAGE_ITEM" + std::to_string(item) + ":";
            values.emplace_back(itemPath + "FileName", "/photo" + std::to_string(item) + ".jpg");
            for (const auto& [key, value] : itemValues) {
                values.emplace_back(itemPath + key, value);
            }
        }
    }
    return values;
}

const std::vector<std::pair<std::string, std::string>>& values() {
    static const auto all = fullSequenceValues();
    return all;
}

void fill(ParamIO& io) {
    for (const auto& [path, value] : values()) {
        io.SetValue(path, value);
    }
}

std::string written(const ParamIO& io) {
    std::ostringstream out;
    io.notify().WriteTree(out);
    return out.str();
}

const std::string& fullText() {
    static const std::string text = [] {
        ParamIO io;
        fill(io);
        return written(io);
    }();
    return text;
}

void BM_SetFullSequence(benchmark::State& state) {
    for (auto _ : state) {
        ParamIO io;
        fill(io);
        benchmark::DoNotOptimize(io.notify().root());
    }
    state.counters["values"] = static_cast<double>(values().size());
}
BENCHMARK(BM_SetFullSequence)->Unit(benchmark::kMillisecond);

void BM_WriteFullSequence(benchmark::State& state) {
    ParamIO io;
    fill(io);
    for (auto _ : state) {
        benchmark::DoNotOptimize(written(io));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fullText().size()));
}
BENCHMARK(BM_WriteFullSequence)->Unit(benchmark::kMillisecond);

void BM_WriteFileFullSequence(benchmark::State& state) {
    ParamIO io;
    fill(io);
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "orvex_param_bench_playlist.xml";
    for (auto _ : state) {
        benchmark::DoNotOptimize(io.WriteFile(file));
    }
    std::filesystem::remove(file);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(fullText().size()));
}
BENCHMARK(BM_WriteFileFullSequence)->Unit(benchmark::kMillisecond);

void BM_ReadFullSequence(benchmark::State& state) {
    const std::string& text = fullText();
    // One stream, rewound, so that the figure holds the read and not a copy made for the stream.
    std::istringstream in(text);
    for (auto _ : state) {
        in.clear();
        in.seekg(0);
        ParamIO io;
        io.ReadStream(in);
        benchmark::DoNotOptimize(io.notify().root());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadFullSequence)->Unit(benchmark::kMillisecond);

// The scan alone, its events going nowhere: what the reader costs before any tree is built.
void BM_ScanFullSequence(benchmark::State& state) {
    const std::string& text = fullText();
    for (auto _ : state) {
        orvex::XmlStream stream;
        benchmark::DoNotOptimize(stream.Parse(text.data(), text.size()));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ScanFullSequence)->Unit(benchmark::kMillisecond);

void BM_PugixmlParseFullSequence(benchmark::State& state) {
    const std::string& text = fullText();
    for (auto _ : state) {
        pugi::xml_document document;
        benchmark::DoNotOptimize(document.load_buffer(text.data(), text.size()));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_PugixmlParseFullSequence)->Unit(benchmark::kMillisecond);

void BM_GetFullSequence(benchmark::State& state) {
    ParamIO io;
    std::istringstream in(fullText());
    io.ReadStream(in);
    for (auto _ : state) {
        std::string text;
        for (const auto& entry : values()) {
            benchmark::DoNotOptimize(io.GetValue(entry.first, text));
        }
    }
    state.counters["values"] = static_cast<double>(values().size());
}
BENCHMARK(BM_GetFullSequence)->Unit(benchmark::kMillisecond);

// Texts of about 3 MB built to make a reader slow: deep nesting that every level walks again,
// brackets that never close, and single nodes with a hundred thousand entries or children.
std::string hostileText(int kind) {
    constexpr std::size_t kSize = 3'000'000;
    std::string text;
    switch (kind) {
    case 0:
        for (std::size_t i = 0; i < kSize / 7; ++i) {
            text += "<a>";
        }
        for (std::size_t i = 0; i < kSize / 7; ++i) {
            text += "</a>";
        }
        break;
    case 1:
        text = std::string(kSize, '<') + ">";
        break;
    case 2:
        text = "<R>";
        for (int i = 0; text.size() < kSize; ++i) {
            text += "<E" + std::to_string(i) + ">v</E" + std::to_string(i) + ">";
        }
        text += "</R>";
        break;
    default:
        text = "<R>";
        for (int i = 0; text.size() < kSize; ++i) {
            text += "<N" + std::to_string(i) + "><v>1</v></N" + std::to_string(i) + ">";
        }
        text += "</R>";
        break;
    }
    return text;
}

void BM_ReadHostile(benchmark::State& state) {
    const std::string text = hostileText(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        ParamIO io;
        std::istringstream in(text);
        io.ReadStream(in);
        // Every lookup by name in a node of many children must stay cheap too.
        std::string value;
        for (int i = 0; i < 1000; ++i) {
            io.GetValue("R:N" + std::to_string(i * 97) + ":v", value);
        }
        benchmark::DoNotOptimize(io.notify().root());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadHostile)
    ->ArgName("deep0_brackets1_entries2_children3")
    ->DenseRange(0, 3)
    ->Unit(benchmark::kMillisecond);

} // namespace

// Both readers allocate megabytes on every read. With its default settings glibc hands such
// blocks back to the system when they are freed and moves its thresholds as it goes, so a
// figure would depend on what ran before it in the process and pay page faults that a machine's
// hypervisor makes dear; fixed thresholds keep the memory in the process, and the figures
// measure the readers' own work.
int main(int argc, char** argv) {
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
