#include "param/value_text.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <optional>

namespace orvex {
namespace {

TEST(NumberTextTest, StoresThe32BitPatternInPlainDecimal) {
    EXPECT_EQ(numberText(0U), "0");
    EXPECT_EQ(numberText(std::uint8_t{200}), "200");
    EXPECT_EQ(numberText(-1), "4294967295");
    EXPECT_EQ(numberText(std::int8_t{-5}), "4294967291");
    EXPECT_EQ(numberText(std::int16_t{-32768}), "4294934528");
    EXPECT_EQ(numberText(4294967295U), "4294967295");
}

struct ParseCase {
    const char* text;
    std::optional<std::uint32_t> expected;
};

TEST(ParseNumberTest, ReadsTheLeadingDecimalNumber) {
    const ParseCase cases[] = {
        {"42", 42U},
        {" 42", 42U},
        {"\t\n\v\f\r 9", 9U},
        {"7x", 7U},
        {"007", 7U},
        {"+8", 8U},
        {"-0", 0U},
        {"-1", 4294967295U},
        {"-5", 4294967291U},
        {"4294967295", 4294967295U},
        {"12 34", 12U},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"+", std::nullopt},
        {"- 5", std::nullopt},
        {"+-5", std::nullopt},
        {"x7", std::nullopt},
        {"4294967296", std::nullopt},
        {"-4294967296", std::nullopt},
        {"99999999999999999999999", std::nullopt},
    };
    for (const ParseCase& c : cases) {
        EXPECT_EQ(parseNumber(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(ParseNumberTest, ReadsEveryNumberItsSetterStores) {
    for (const std::int32_t value : {0, 1, -1, 127, -128, 2147483647, -2147483647 - 1}) {
        EXPECT_EQ(parseNumber(numberText(value)), static_cast<std::uint32_t>(value)) << value;
    }
}

} // namespace
} // namespace orvex
