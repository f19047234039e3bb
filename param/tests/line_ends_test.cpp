#include "param/line_ends.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

TEST(LineEndsTest, StoresEveryLineFeedAsCrLf) {
    EXPECT_EQ(toFileLineEnds("a\nb\n"), "a\r\nb\r\n");
    EXPECT_EQ(toFileLineEnds("\r\n"), "\r\r\n");
    EXPECT_EQ(toFileLineEnds("no break"), "no break");
}

TEST(LineEndsTest, TurnsOnlyCrLfPairsBackIntoLineFeeds) {
    EXPECT_EQ(fromFileLineEnds("a\r\nb\r\n"), "a\nb\n");
    EXPECT_EQ(fromFileLineEnds("a\rb\r"), "a\rb\r");
    EXPECT_EQ(fromFileLineEnds("\r\r\n\n"), "\r\n\n");
}

TEST(LineEndsTest, ReadingBackWhatWasStoredGivesTheSameText) {
    for (const char* text : {"", "\n", "\r", "\r\n", "\n\r", "a\r\r\nb", "x\r\n\r\n\ry"}) {
        EXPECT_EQ(fromFileLineEnds(toFileLineEnds(text)), text);
    }
}

} // namespace
} // namespace orvex
