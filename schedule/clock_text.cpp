#include "schedule/clock_text.h"

#include <cstdio>

namespace orvex {

std::string clockText(int secondOfDay) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", secondOfDay / 3600, secondOfDay / 60 % 60,
                  secondOfDay % 60);
    return text;
}

} // namespace orvex
