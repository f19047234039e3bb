#include "jpeg/fixture/jpeg_writer.h"
#include "jpeg/fixture/sample_images.h"
#include "jpeg/jpeg_decoder.h"
#include "jpeg/tests/rgb_checks.h"

#include <array>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace orvex::test {
namespace {

using fixture::JpegKind;
using fixture::Progression;

constexpr int kSide = 64;
constexpr int kTolerance = 8;

const std::array<Rgb, 4> kRedGreenBlueWhite = {
    {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}}};
const std::array<Rgb, 4> kCyanMagentaYellowGrey = {
    {{0, 255, 255}, {255, 0, 255}, {255, 255, 0}, {127, 127, 127}}};

// Cyan, magenta, yellow and half black as ink amounts, and as Adobe stores them, inverted.
const std::array<fixture::Colour, 4> kInk = {
    {{255, 0, 0, 0}, {0, 255, 0, 0}, {0, 0, 255, 0}, {0, 0, 0, 128}}};
const std::array<fixture::Colour, 4> kInvertedInk = {
    {{0, 255, 255, 255}, {255, 0, 255, 255}, {255, 255, 0, 255}, {255, 255, 255, 127}}};

struct ColourCase {
    std::string name;
    JpegKind kind;
    Progression progression;
    std::array<fixture::Colour, 4> stored;
    std::array<Rgb, 4> expected;
};

void PrintTo(const ColourCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class ColourDecodeTest : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourDecodeTest, DecodesEachQuarterToItsRgbColour) {
    const ColourCase& c = GetParam();
    const auto jpeg = fixture::encodeJpeg(fixture::quadrantImage(kSide, kSide, c.stored),
                                          {c.kind, c.progression});

    const DecodeResult result = decodeJpegBuffer(jpeg, ScaleRequest::fullSize());

    ASSERT_TRUE(result.ok()) << result.error().message;
    EXPECT_EQ(result.image().width, kSide);
    EXPECT_EQ(result.image().height, kSide);
    EXPECT_EQ(result.image().pixels.size(), std::size_t{kSide * kSide * 3});
    EXPECT_TRUE(quadrantsNear(result.image(), c.expected, kTolerance));
}

const std::array<fixture::Colour, 4> kRgbSamples = {
    {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}}};
const std::array<fixture::Colour, 4> kGreySamples = {{{0}, {85}, {170}, {255}}};
const std::array<Rgb, 4> kGreys = {{{0, 0, 0}, {85, 85, 85}, {170, 170, 170}, {255, 255, 255}}};

INSTANTIATE_TEST_SUITE_P(
    Kinds, ColourDecodeTest,
    ::testing::Values(ColourCase{"YCbCr", JpegKind::kYCbCr, Progression::kSequential, kRgbSamples,
                                 kRedGreenBlueWhite},
                      ColourCase{"ProgressiveYCbCr", JpegKind::kYCbCr, Progression::kSimple,
                                 kRgbSamples, kRedGreenBlueWhite},
                      ColourCase{"Grayscale", JpegKind::kGrayscale, Progression::kSequential,
                                 kGreySamples, kGreys},
                      ColourCase{"ProgressiveGrayscale", JpegKind::kGrayscale, Progression::kSimple,
                                 kGreySamples, kGreys},
                      ColourCase{"AdobeInvertedCmyk", JpegKind::kAdobeCmyk,
                                 Progression::kSequential, kInvertedInk, kCyanMagentaYellowGrey},
                      ColourCase{"ProgressiveAdobeInvertedCmyk", JpegKind::kAdobeCmyk,
                                 Progression::kSimple, kInvertedInk, kCyanMagentaYellowGrey},
                      ColourCase{"CmykWithoutAdobeMarker", JpegKind::kPlainCmyk,
                                 Progression::kSequential, kInk, kCyanMagentaYellowGrey},
                      ColourCase{"AdobeYcck", JpegKind::kAdobeYcck, Progression::kSequential,
                                 kInvertedInk, kCyanMagentaYellowGrey}),
    [](const auto& testCase) { return testCase.param.name; });

} // namespace
} // namespace orvex::test
