#pragma once

#include <array>
#include <cstdint>

namespace orvex {

inline constexpr int kTimeZoneCount = 90;
extern const std::array<const char*, kTimeZoneCount> TimeZoneNames;

// The first zone of the list whose offset (minutes east of UTC) is the given one, else 0.
std::int32_t TimeZoneIndexFromOffset(int offsetMinutes);

} // namespace orvex
