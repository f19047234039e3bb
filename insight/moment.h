#pragma once

#include <compare>
#include <cstdint>

namespace orvex {

// A second on the calendar.
struct Moment {
    std::int64_t day = 0; // day number, 0 is 30 December 1899
    int second = 0;       // of the day, 0 to 86399
    friend auto operator<=>(const Moment&, const Moment&) = default;
};

} // namespace orvex
