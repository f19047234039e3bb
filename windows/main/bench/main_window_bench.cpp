#include "jpeg/fixture/jpeg_writer.h"
#include "jpeg/fixture/sample_images.h"
#include "jpeg/jpeg_decoder.h"
#include "model/sequence_edits.h"
#include "model/store.h"
#include "windows/add_image/unit_add_image.h"
#include "windows/main/image_list_panel.h"
#include "windows/main/sequence_editor.h"
#include "windows/main/unit_image_loop.h"
#include "windows/sequence_files/sequence_prompts.h"
#include "windows/shell/choosers.h"
#include "windows/shell/picture_preview.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QUndoStack>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <memory>
#include <string>

namespace orvex {
namespace {

// A full sequence whose every cell has a text to format: 128 loops of 128 images.
struct FullEditor {
    std::unique_ptr<Sequence> sequence = std::make_unique<Sequence>();
    QtChoosers choosers;
    QtSequencePrompts prompts;
    TFormImageLoop window{*sequence, choosers, prompts};

    FullEditor() {
        for (int i = 0; i < kMaxLoops; ++i) {
            LoopEntry* loop = AddLoop(sequence->loopTable);
            setText(loop->Name, "Loop" + std::to_string(i));
            loop->bDateIni = loop->bDateEnd = loop->bTimeIni = loop->bTimeEnd = 1;
            loop->bWeekDay = loop->bMonthDay = 1;
            for (int j = 0; j < kMaxImageItems; ++j) {
                AddImageItem(sequence->loopTable, static_cast<std::uint8_t>(i),
                             "/picture_" + std::to_string(j) + ".jpg");
            }
        }
        window.RefreshLoopList();
    }
};

void BM_RefreshLoopList128Loops(benchmark::State& state) {
    FullEditor editor;
    for (auto _ : state) {
        editor.window.RefreshLoopList();
    }
}
BENCHMARK(BM_RefreshLoopList128Loops)->Unit(benchmark::kMillisecond);

void BM_RefreshImageList128Images(benchmark::State& state) {
    FullEditor editor;
    editor.window.selectLoopRow(0);
    for (auto _ : state) {
        editor.window.imageList().RefreshImageList(0);
    }
}
BENCHMARK(BM_RefreshImageList128Images)->Unit(benchmark::kMillisecond);

// What the undo history holds after 1,000 edits of every kind on the full sequence, as the heap
// grew while they were made; the edits are also timed.
void BM_HistoryOf1000Edits(benchmark::State& state) {
    double megabytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto editor = std::make_unique<FullEditor>();
        SequenceEditor& edits = editor->window.editor();
        const std::size_t before = mallinfo2().uordblks;
        state.ResumeTiming();
        for (int i = 0; i < 1000; ++i) {
            const auto loop = static_cast<std::uint8_t>(i % kMaxLoops);
            const LoopEntry& entry = editor->sequence->loopTable.Loops[loop];
            switch (i % 5) {
            case 0: {
                LoopFields fields = loopFieldsOf(entry);
                setText(fields.Name, "Renamed " + std::to_string(i));
                edits.editLoop(loop, fields);
                break;
            }
            case 1: {
                std::vector<ItemEdit> all;
                for (std::uint8_t row = 0; row < entry.nItems; ++row) {
                    ImageItem item = entry.Items[row];
                    item.Position = static_cast<std::uint8_t>((item.Position + 1) % 5);
                    all.push_back({row, item});
                }
                edits.editImages(loop, all);
                break;
            }
            case 2:
                edits.moveLoop(loop, static_cast<std::uint8_t>((loop + 1) % kMaxLoops));
                break;
            case 3:
                edits.deleteImage(loop, 0);
                break;
            case 4:
                edits.deleteLoop(loop);
                edits.addLoop(loop, editor->sequence->loopTable.Loops[0], "copy");
                break;
            }
        }
        state.PauseTiming();
        megabytes = static_cast<double>(mallinfo2().uordblks - before) / (1024.0 * 1024.0);
        editor.reset();
        state.ResumeTiming();
    }
    state.counters["history_MB"] = megabytes;
}
BENCHMARK(BM_HistoryOf1000Edits)->Unit(benchmark::kMillisecond)->Iterations(3);

// A 6000 x 4000 photo-like JPEG, as a camera makes them.
const QString& photoPath() {
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString file = folder.filePath(QStringLiteral("photo.jpg"));
        fixture::writeBytes(QFile::encodeName(file).toStdString(),
                            fixture::encodeJpeg(fixture::photoLikeImage(6000, 4000, 7), {}));
        return file;
    }();
    return path;
}

void BM_PreviewOf6000x4000(benchmark::State& state) {
    const QString path = photoPath();
    for (auto _ : state) {
        const PicturePreview preview =
            previewPicture(path, {TFormAddImage::kPreviewWidth, TFormAddImage::kPreviewHeight});
        benchmark::DoNotOptimize(preview.image.constBits());
    }
}
BENCHMARK(BM_PreviewOf6000x4000)->Unit(benchmark::kMillisecond);

void BM_FullSizeDecodeOf6000x4000(benchmark::State& state) {
    const std::string path = QFile::encodeName(photoPath()).toStdString();
    for (auto _ : state) {
        const DecodeResult result = decodeJpegFile(path, ScaleRequest::fullSize());
        benchmark::DoNotOptimize(result.ok());
    }
}
BENCHMARK(BM_FullSizeDecodeOf6000x4000)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvex

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
