#include "jpeg/fixture/jpeg_writer.h"
#include "jpeg/fixture/sample_images.h"
#include "jpeg/jpeg_decoder.h"
#include "jpeg/tests/printers.h"
#include "jpeg/tests/temp_folder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

namespace orvex::test {
namespace {

using ::testing::HasSubstr;

constexpr ScaleRequest kPreview = ScaleRequest::fitInto(360, 288);

TEST(FileAccessTest, MissingFileGivesTheSystemsReason) {
    TempFolder folder;
    const DecodeResult result = decodeJpegFile((folder.path() / "absent.jpg").string(), kPreview);

    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().kind, DecodeErrorKind::kCannotOpen);
    EXPECT_THAT(result.error().message, HasSubstr("No such file or directory"));
}

TEST(FileAccessTest, FolderIsRefused) {
    TempFolder folder;
    const DecodeResult result = decodeJpegFile(folder.path().string(), kPreview);

    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().kind, DecodeErrorKind::kCannotOpen);
    EXPECT_THAT(result.error().message, HasSubstr("folder"));
}

// Opening a pipe for reading waits for a writer, so without the check this test would hang.
TEST(FileAccessTest, PipeIsRefusedWithoutWaitingForAWriter) {
    TempFolder folder;
    const auto pipe = folder.path() / "pipe.jpg";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);

    const DecodeResult result = decodeJpegFile(pipe.string(), kPreview);

    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().kind, DecodeErrorKind::kCannotOpen);
}

TEST(FileAccessTest, NameWithNulDoesNotOpenTheFileBeforeIt) {
    TempFolder folder;
    const auto valid =
        folder.write("good.jpg", fixture::encodeJpeg(fixture::photoLikeImage(32, 32, 1), {}));

    const DecodeResult result =
        decodeJpegFile(valid.string() + std::string(1, '\0') + "x", kPreview);

    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().kind, DecodeErrorKind::kCannotOpen);
}

// Reading this process's memory from its unmapped first page fails with EIO; libjpeg alone
// would take that for the end of the data.
TEST(FileAccessTest, ReadErrorIsReportedAsSuch) {
    const DecodeResult result = decodeJpegFile("/proc/self/mem", kPreview);

    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().kind, DecodeErrorKind::kCannotOpen);
    EXPECT_EQ(result.error().message, "The file could not be read.");
}

TEST(FileAccessTest, FileDecodesExactlyAsTheSameBytesInMemory) {
    TempFolder folder;
    const auto jpeg = fixture::encodeJpeg(fixture::photoLikeImage(800, 600, 3), {});
    const auto path = folder.write("photo.jpg", jpeg);

    for (const ScaleRequest request : {kPreview, ScaleRequest::fullSize()}) {
        const DecodeResult fromFile = decodeJpegFile(path.string(), request);
        const DecodeResult fromMemory = decodeJpegBuffer(jpeg, request);

        ASSERT_TRUE(fromFile.ok()) << fromFile.error().message;
        ASSERT_TRUE(fromMemory.ok()) << fromMemory.error().message;
        EXPECT_EQ(fromFile.image().width, fromMemory.image().width);
        EXPECT_EQ(fromFile.image().height, fromMemory.image().height);
        EXPECT_EQ(fromFile.image().pixels, fromMemory.image().pixels);
    }
}

TEST(FileAccessTest, SizeComesFromTheHeaderAlone) {
    TempFolder folder;
    const auto jpeg = fixture::encodeJpeg(fixture::photoLikeImage(201, 99, 3), {});
    const auto whole = folder.write("whole.jpg", jpeg);
    // Cut right after the header: a decode fails, but the size is all there.
    const std::vector<std::uint8_t> headerOnly(jpeg.begin(), jpeg.begin() + 700);
    const auto cut = folder.write("cut.jpg", headerOnly);

    for (const auto& path : {whole, cut}) {
        const SizeResult size = readJpegFileSize(path.string());
        ASSERT_TRUE(size.ok()) << size.error().message;
        EXPECT_EQ(size.value().width, 201);
        EXPECT_EQ(size.value().height, 99);
    }
    EXPECT_FALSE(decodeJpegFile(cut.string(), ScaleRequest::fullSize()).ok());
}

TEST(FileAccessTest, SizeOfWhatIsNoJpegIsRefusedAsADecodeWouldBe) {
    TempFolder folder;
    const struct {
        std::string name;
        std::vector<std::uint8_t> bytes;
        DecodeErrorKind kind;
    } cases[] = {
        {"empty.jpg", {}, DecodeErrorKind::kEmpty},
        {"text.jpg", {'h', 'e', 'l', 'l', 'o'}, DecodeErrorKind::kNotJpeg},
        {"start.jpg", {0xFF, 0xD8, 0xFF}, DecodeErrorKind::kCorrupt},
    };
    for (const auto& c : cases) {
        const SizeResult size = readJpegFileSize(folder.write(c.name, c.bytes).string());
        ASSERT_FALSE(size.ok()) << c.name;
        EXPECT_EQ(size.error().kind, c.kind) << c.name;
    }
    EXPECT_EQ(readJpegFileSize((folder.path() / "absent.jpg").string()).error().kind,
              DecodeErrorKind::kCannotOpen);
}

} // namespace
} // namespace orvex::test
