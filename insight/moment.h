#pragma once

#include <cstdint>

namespace orvex {

// A second on the calendar.
struct Moment {
    std::int64_t day = 0; // day number, 0 is 30 December 1899
    int second = 0;       // of the day, 0 to 86399
    friend bool operator==(const Moment&, const Moment&) = default;
    friend bool operator<(const Moment& a, const Moment& b) {
        return a.day != b.day ? a.day < b.day : a.second < b.second;
    }
};

} // namespace orvex
