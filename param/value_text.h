#pragma once

#include <concepts>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvex {

// Integers the number setters take. Wider types are left out so that no value is cut silently;
// plain char is left out so that a character is never stored as its code.
template <typename T>
concept ParamNumber = std::integral<T> && !std::same_as<T, bool> && !std::same_as<T, char> &&
                      sizeof(T) <= sizeof(std::uint32_t);

// A number is stored as its unsigned 32-bit decimal digits; a signed value as its two's
// complement pattern, so -1 becomes 4294967295.
template <ParamNumber Number> std::string numberText(Number value) {
    return std::to_string(static_cast<std::uint32_t>(value));
}

// Reads the decimal number at the start of a stored value: leading white space and one sign are
// accepted, and the first non-digit ends the number. A minus sign gives the 32-bit two's
// complement. Empty when no digit is read or the digits exceed 32 bits.
std::optional<std::uint32_t> parseNumber(std::string_view text);

} // namespace orvex
