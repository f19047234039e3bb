#include "jpeg/decode_limits.h"
#include "jpeg/fixture/jpeg_writer.h"
#include "jpeg/fixture/sample_images.h"
#include "jpeg/jpeg_decoder.h"
#include "jpeg/tests/jpeg_bytes.h"
#include "jpeg/tests/printers.h"

#include <gtest/gtest.h>

namespace orvex::test {
namespace {

// A valid file whose 704 scans each refine one bit of one coefficient: tiny, yet each scan
// costs a pass, so a file built like this with more pixels would take very long to decode.
TEST(LimitsTest, FileWithMoreScansThanAllowedIsRefused) {
    const auto jpeg = fixture::encodeJpeg(
        fixture::quadrantImage(16, 16, {{{0}, {85}, {170}, {255}}}),
        {.kind = fixture::JpegKind::kGrayscale, .progression = fixture::Progression::kManyScans});
    ASSERT_GT(scanCount(jpeg), kMaxScans);

    const DecodeResult result = decodeJpegBuffer(jpeg, ScaleRequest::fullSize());

    ASSERT_FALSE(result.ok());
    EXPECT_EQ(result.error().kind, DecodeErrorKind::kOverLimit);
    EXPECT_EQ(result.error().message, "The JPEG file has more than 500 scans.");
}

} // namespace
} // namespace orvex::test
