#include "jpeg/fixture/jpeg_writer.h"
#include "jpeg/fixture/sample_images.h"
#include "jpeg/jpeg_decoder.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <system_error>

namespace orvex {
namespace {

// A 6000 x 4000 photo-like JPEG, written once per run and removed at exit.
class PhotoFile {
public:
    PhotoFile() {
        m_path = std::filesystem::temp_directory_path() /
                 ("orvex_jpeg_bench_" + std::to_string(std::random_device{}()) + ".jpg");
        fixture::writeBytes(
            m_path, fixture::encodeJpeg(fixture::photoLikeImage(6000, 4000, 11), {.quality = 90}));
    }
    ~PhotoFile() {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
    PhotoFile(const PhotoFile&) = delete;
    PhotoFile& operator=(const PhotoFile&) = delete;

    std::string path() const { return m_path.string(); }

private:
    std::filesystem::path m_path;
};

const PhotoFile& photo() {
    static const PhotoFile file;
    return file;
}

void decodeRepeatedly(benchmark::State& state, ScaleRequest request) {
    const std::string path = photo().path();
    for (auto _ : state) {
        const DecodeResult result = decodeJpegFile(path, request);
        if (!result.ok()) {
            state.SkipWithError(result.error().message.c_str());
            break;
        }
        benchmark::DoNotOptimize(result.image().pixels.data());
        state.counters["width"] = result.image().width;
        state.counters["height"] = result.image().height;
    }
}

void BM_DecodePreview360x288(benchmark::State& state) {
    decodeRepeatedly(state, ScaleRequest::fitInto(360, 288));
}

void BM_DecodeFullSize(benchmark::State& state) {
    decodeRepeatedly(state, ScaleRequest::fullSize());
}

BENCHMARK(BM_DecodePreview360x288)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DecodeFullSize)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvex
