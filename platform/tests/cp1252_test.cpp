#include "platform/cp1252.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

TEST(Cp1252, EveryByteRoundTripsThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b) {
        all += static_cast<char>(b);
    }
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(Cp1252, ConvertsTheCharactersUsersType) {
    EXPECT_EQ(cp1252ToUtf8("\x80 \xE9\xF1"), "€ éñ");
    EXPECT_EQ(utf8ToCp1252("Línea € ñ"), "L\xEDnea \x80 \xF1");
}

TEST(Cp1252, RefusesWhatItCannotCarry) {
    for (const char* text :
         {"日本", "emoji \xF0\x9F\x98\x80", "\xC3", "\xC0\x80", "\xED\xA0\x80"}) {
        EXPECT_FALSE(utf8ToCp1252(text)) << text;
    }
}

} // namespace
} // namespace orvex
