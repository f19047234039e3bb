#include "param/value_text.h"

#include <limits>

namespace orvex {

namespace {

bool isSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<std::uint32_t> parseNumber(std::string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && isSpace(text[pos])) {
        ++pos;
    }
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos == text.size() || !isDigit(text[pos])) {
        return std::nullopt;
    }
    constexpr std::uint64_t kLimit = std::numeric_limits<std::uint32_t>::max();
    std::uint64_t number = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos) {
        number = number * 10 + static_cast<std::uint64_t>(text[pos] - '0');
        if (number > kLimit) {
            return std::nullopt;
        }
    }
    const auto value = static_cast<std::uint32_t>(number);
    return negative ? static_cast<std::uint32_t>(0U - value) : value;
}

} // namespace orvex
