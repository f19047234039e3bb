#include "clock.h"

#include <ctime>

namespace orvex {
namespace {

std::tm localNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

} // namespace

TDateTime SystemClock::today() const {
    const std::tm local = localNow();
    return encodeDate({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
}

TDateTime SystemClock::timeOfDay() const {
    const std::tm local = localNow();
    // A leap second shows as :60; the editor's times stop at :59.
    return encodeTime({local.tm_hour, local.tm_min, local.tm_sec > 59 ? 59 : local.tm_sec});
}

} // namespace orvex
