#include "jpeg/fixture/jpeg_writer.h"
#include "jpeg/fixture/sample_images.h"
#include "jpeg/jpeg_decoder.h"
#include "jpeg/tests/jpeg_bytes.h"
#include "jpeg/tests/printers.h"
#include "jpeg/tests/temp_folder.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <random>
#include <string>
#include <tuple>

namespace orvex::test {
namespace {

constexpr ScaleRequest kPreview = ScaleRequest::fitInto(360, 288);

const Bytes& photo() {
    static const Bytes bytes = fixture::encodeJpeg(fixture::photoLikeImage(96, 64, 7), {});
    return bytes;
}

const Bytes& progressivePhoto() {
    static const Bytes bytes = fixture::encodeJpeg(fixture::photoLikeImage(96, 64, 7),
                                                   {.progression = fixture::Progression::kSimple});
    return bytes;
}

Bytes prefix(const Bytes& bytes, std::size_t size) {
    return {bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size)};
}

Bytes randomBytes() {
    std::minstd_rand random(42);
    Bytes bytes(4096);
    for (auto& byte : bytes) {
        byte = static_cast<std::uint8_t>(random());
    }
    bytes[0] = 0x00;
    return bytes;
}

Bytes pngStart() {
    return {0x89, 'P',  'N',  'G',  0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00,
            0x0D, 'I',  'H',  'D',  'R',  0x00, 0x00, 0x01, 0x00, 0x00, 0x00,
            0x01, 0x00, 0x08, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};
}

Bytes cutInScan(const Bytes& jpeg) {
    const MarkerSegment scan = firstScan(jpeg);
    return prefix(jpeg, (scan.end + scan.dataEnd) / 2);
}

// Inverts a run of entropy-coded bytes in the middle of the scan, as a bad sector would.
Bytes flippedScanBytes() {
    Bytes jpeg = photo();
    const MarkerSegment scan = firstScan(jpeg);
    const std::size_t middle = (scan.end + scan.dataEnd) / 2;
    for (std::size_t i = middle; i < middle + 16; ++i) {
        jpeg[i] ^= 0xFF;
    }
    return jpeg;
}

Bytes hugeClaim(const Bytes& jpeg) {
    return headerOnly(withClaimedSize(jpeg, 65500, 65500));
}

struct BrokenCase {
    std::string name;
    std::function<Bytes()> bytes;
    ScaleRequest request;
    DecodeErrorKind expected;
    // The whole message where it is our own; empty where it quotes libjpeg.
    std::string message;
};

void PrintTo(const BrokenCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

enum class Source { kBuffer, kFile };

void PrintTo(Source source, std::ostream* out) {
    *out << (source == Source::kBuffer ? "buffer" : "file");
}

class BrokenInputTest : public ::testing::TestWithParam<std::tuple<BrokenCase, Source>> {};

TEST_P(BrokenInputTest, IsAnErrorWithAMessageAndNothingOnStderr) {
    const auto& [c, source] = GetParam();
    const Bytes bytes = c.bytes();
    TempFolder folder;
    const auto path = folder.write("broken.jpg", bytes);

    ::testing::internal::CaptureStderr();
    const DecodeResult result = source == Source::kBuffer ? decodeJpegBuffer(bytes, c.request)
                                                          : decodeJpegFile(path, c.request);
    const std::string printed = ::testing::internal::GetCapturedStderr();

    ASSERT_FALSE(result.ok()) << "decoded as " << result.image().width << " x "
                              << result.image().height;
    EXPECT_EQ(result.error().kind, c.expected) << result.error().message;
    if (c.message.empty()) {
        EXPECT_FALSE(result.error().message.empty());
    } else {
        EXPECT_EQ(result.error().message, c.message);
    }
    EXPECT_EQ(printed, "");
}

const BrokenCase kBrokenCases[] = {
    {"Empty", [] { return Bytes{}; }, kPreview, DecodeErrorKind::kEmpty, "The file is empty."},
    {"RandomBytes", randomBytes, kPreview, DecodeErrorKind::kNotJpeg,
     "The file is not a JPEG image."},
    {"PngHeader", pngStart, kPreview, DecodeErrorKind::kNotJpeg, "The file is not a JPEG image."},
    {"OnlyStartMarker",
     [] {
         return Bytes{0xFF, 0xD8};
     },
     kPreview, DecodeErrorKind::kCorrupt, ""},
    {"CutInHeader", [] { return prefix(photo(), firstScan(photo()).begin / 2); }, kPreview,
     DecodeErrorKind::kCorrupt, ""},
    {"CutAfterHeader", [] { return headerOnly(photo()); }, kPreview, DecodeErrorKind::kCorrupt, ""},
    {"CutInScan", [] { return cutInScan(photo()); }, kPreview, DecodeErrorKind::kCorrupt, ""},
    {"CutBeforeEndMarker", [] { return prefix(photo(), photo().size() - 2); }, kPreview,
     DecodeErrorKind::kCorrupt, ""},
    {"ProgressiveCutInScans",
     [] { return prefix(progressivePhoto(), progressivePhoto().size() * 3 / 5); }, kPreview,
     DecodeErrorKind::kCorrupt, ""},
    {"FlippedScanBytes", flippedScanBytes, ScaleRequest::fullSize(), DecodeErrorKind::kCorrupt, ""},
    {"ClaimsZeroSize", [] { return withClaimedSize(photo(), 0, 0); }, kPreview,
     DecodeErrorKind::kCorrupt, ""},
    // 4.3 gigapixels at full size: refused before anything is allocated for them.
    {"ClaimsHugeSizeAtFullSize", [] { return hugeClaim(photo()); }, ScaleRequest::fullSize(),
     DecodeErrorKind::kOverLimit, "The image is too large to decode (65500 x 65500 pixels)."},
    // An eighth is 67 megapixels, within the limit; the missing data ends it at the first row.
    {"ClaimsHugeSizeForPreview", [] { return hugeClaim(photo()); }, kPreview,
     DecodeErrorKind::kCorrupt, ""},
    // Progressive needs every coefficient at full size, some 13 GB here, whatever the scale.
    {"ProgressiveClaimsHugeSizeForPreview", [] { return hugeClaim(progressivePhoto()); }, kPreview,
     DecodeErrorKind::kOverLimit,
     "The image is too large to decode in the memory allowed for a picture."},
};

INSTANTIATE_TEST_SUITE_P(Inputs, BrokenInputTest,
                         ::testing::Combine(::testing::ValuesIn(kBrokenCases),
                                            ::testing::Values(Source::kBuffer, Source::kFile)),
                         [](const auto& testCase) {
                             return std::get<0>(testCase.param).name +
                                    (std::get<1>(testCase.param) == Source::kBuffer ? "_Buffer"
                                                                                    : "_File");
                         });

} // namespace
} // namespace orvex::test
