#pragma once

#include <string>

namespace orvex {

// A second of the day as the schedule shows it, "07:05:00": always on a 24-hour clock, so that
// the times of a day read and sort alike whatever the regional settings.
std::string clockText(int secondOfDay);

} // namespace orvex
