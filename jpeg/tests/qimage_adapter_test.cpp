#include "jpeg/qt/qimage_adapter.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace orvex::test {
namespace {

TEST(ToQImageTest, CopiesEveryPixelAcrossQtsPaddedRows) {
    // Three pixels make a 9-byte row, which QImage pads to 12.
    const RgbImage image{
        3, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 10, 20, 30, 40, 50, 60, 70, 80, 90}};

    const QImage converted = toQImage(image);

    ASSERT_EQ(converted.format(), QImage::Format_RGB888);
    ASSERT_EQ(converted.size(), QSize(3, 2));
    EXPECT_EQ(converted.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(converted.pixel(1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(converted.pixel(2, 0), qRgb(0, 0, 255));
    EXPECT_EQ(converted.pixel(0, 1), qRgb(10, 20, 30));
    EXPECT_EQ(converted.pixel(1, 1), qRgb(40, 50, 60));
    EXPECT_EQ(converted.pixel(2, 1), qRgb(70, 80, 90));
}

TEST(ToQImageTest, InconsistentImagesBecomeNull) {
    EXPECT_TRUE(toQImage(RgbImage{}).isNull());
    EXPECT_TRUE(toQImage(RgbImage{2, 2, std::vector<std::uint8_t>(11)}).isNull());
    EXPECT_TRUE(toQImage(RgbImage{-2, 2, {}}).isNull());
}

struct FitCase {
    std::string name;
    QSize image;
    QSize box;
    QSize expected;
};

void PrintTo(const FitCase& testCase, std::ostream* out) {
    *out << testCase.name;
}

class ScaledToFitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(ScaledToFitTest, KeepsProportionsWithinTheBox) {
    const FitCase& c = GetParam();
    QImage image(c.image, QImage::Format_RGB888);
    image.fill(Qt::darkCyan);

    const QImage scaled = scaledToFit(image, c.box);

    EXPECT_EQ(scaled.size(), c.expected);
    EXPECT_EQ(scaled.pixel(scaled.width() / 2, scaled.height() / 2), QColor(Qt::darkCyan).rgb());
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, ScaledToFitTest,
    ::testing::Values(FitCase{"WiderThanBox", {750, 500}, {360, 288}, {360, 240}},
                      FitCase{"TallerThanBox", {300, 600}, {360, 288}, {144, 288}},
                      FitCase{"SameProportions", {720, 576}, {360, 288}, {360, 288}},
                      FitCase{"SmallerIsEnlarged", {100, 50}, {360, 288}, {360, 180}},
                      FitCase{"ThinStaysOnePixel", {3000, 1}, {360, 288}, {360, 1}}),
    [](const auto& testCase) { return testCase.param.name; });

TEST(ScaledToFitEdgeTest, NullImageOrEmptyBoxGivesNull) {
    QImage image(10, 10, QImage::Format_RGB888);
    image.fill(Qt::black);

    EXPECT_TRUE(scaledToFit(QImage(), {360, 288}).isNull());
    EXPECT_TRUE(scaledToFit(image, {0, 288}).isNull());
}

} // namespace
} // namespace orvex::test
