#include "jpeg/dct_scale.h"
#include "jpeg/fixture/jpeg_writer.h"
#include "jpeg/fixture/sample_images.h"
#include "jpeg/jpeg_decoder.h"
#include "jpeg/tests/rgb_checks.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace orvex::test {
namespace {

constexpr ScaleRequest kPreview = ScaleRequest::fitInto(360, 288);

struct DenominatorCase {
    std::string name;
    int width;
    int height;
    ScaleRequest request;
    int expected;
};

void PrintTo(const DenominatorCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class ScaleDenominatorTest : public ::testing::TestWithParam<DenominatorCase> {};

TEST_P(ScaleDenominatorTest, PicksTheStrongestScaleThatStillCoversTheFittedPicture) {
    const DenominatorCase& c = GetParam();
    EXPECT_EQ(scaleDenominatorFor(c.width, c.height, c.request), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ScaleDenominatorTest,
    ::testing::Values(
        // Fitted 360 x 240; an eighth, 750 x 500, still covers it.
        DenominatorCase{"Photo6000x4000", 6000, 4000, kPreview, 8},
        DenominatorCase{"SmallerThanBox", 400, 300, kPreview, 1},
        DenominatorCase{"SameAsBox", 360, 288, kPreview, 1},
        DenominatorCase{"HalfCovers", 800, 600, kPreview, 2},
        DenominatorCase{"QuarterCovers", 1600, 1200, kPreview, 4},
        DenominatorCase{"EighthExactlyBoxWide", 2880, 100, kPreview, 8},
        DenominatorCase{"EighthOnePixelShort", 2879, 100, kPreview, 4},
        DenominatorCase{"TallEighthExactlyBoxHigh", 100, 2304, kPreview, 8},
        DenominatorCase{"FullSizeRequested", 6000, 4000, ScaleRequest::fullSize(), 1},
        DenominatorCase{"EmptyBox", 6000, 4000, ScaleRequest::fitInto(0, 288), 1},
        DenominatorCase{"NegativeBox", 6000, 4000, ScaleRequest::fitInto(-360, -288), 1},
        DenominatorCase{"LargestJpeg", 65535, 65535, kPreview, 8}),
    [](const auto& testCase) { return testCase.param.name; });

struct DecodedSizeCase {
    std::string name;
    int width;
    int height;
    ScaleRequest request;
    int expectedWidth;
    int expectedHeight;
};

void PrintTo(const DecodedSizeCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class DecodedSizeTest : public ::testing::TestWithParam<DecodedSizeCase> {};

TEST_P(DecodedSizeTest, DecodesAtTheChosenScale) {
    const DecodedSizeCase& c = GetParam();
    const auto jpeg = fixture::encodeJpeg(fixture::solidImage(c.width, c.height, {200}),
                                          {.kind = fixture::JpegKind::kGrayscale, .quality = 50});

    const DecodeResult result = decodeJpegBuffer(jpeg, c.request);

    ASSERT_TRUE(result.ok()) << result.error().message;
    EXPECT_EQ(result.image().width, c.expectedWidth);
    EXPECT_EQ(result.image().height, c.expectedHeight);
    EXPECT_EQ(result.image().pixels.size(), static_cast<std::size_t>(c.expectedWidth) *
                                                static_cast<std::size_t>(c.expectedHeight) * 3);
    EXPECT_TRUE(
        pixelNear(result.image(), c.expectedWidth / 2, c.expectedHeight / 2, {200, 200, 200}, 2));
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, DecodedSizeTest,
    ::testing::Values(DecodedSizeCase{"Photo6000x4000", 6000, 4000, kPreview, 750, 500},
                      DecodedSizeCase{"SmallerThanBox", 400, 300, kPreview, 400, 300},
                      DecodedSizeCase{"Half", 800, 600, kPreview, 400, 300},
                      DecodedSizeCase{"HalfOfOddSizeRoundsUp", 1001, 751, kPreview, 501, 376},
                      DecodedSizeCase{"TallEighth", 300, 2400, kPreview, 38, 300},
                      DecodedSizeCase{"FullSize", 800, 600, ScaleRequest::fullSize(), 800, 600}),
    [](const auto& testCase) { return testCase.param.name; });

TEST(ScaledDecodeTest, KeepsEachQuarterInPlace) {
    const std::array<fixture::Colour, 4> samples = {
        {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}}};
    const auto jpeg = fixture::encodeJpeg(fixture::quadrantImage(1600, 1200, samples), {});

    const DecodeResult result = decodeJpegBuffer(jpeg, kPreview);

    ASSERT_TRUE(result.ok()) << result.error().message;
    ASSERT_EQ(result.image().width, 400);
    ASSERT_EQ(result.image().height, 300);
    EXPECT_TRUE(quadrantsNear(result.image(),
                              {{{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}}}, 8));
}

} // namespace
} // namespace orvex::test
