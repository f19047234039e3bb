#include "time_zone.h"

#include <algorithm>
#include <ctime>

namespace orvex {
namespace {

long offsetSecondsOn(int year, int month) {
    std::tm probe{};
    probe.tm_year = year - 1900;
    probe.tm_mon = month - 1;
    probe.tm_mday = 1;
    probe.tm_hour = 12;
    probe.tm_isdst = -1;
    const std::time_t when = std::mktime(&probe);
    std::tm local{};
    localtime_r(&when, &local);
    return local.tm_gmtoff;
}

} // namespace

int SystemTimeZone::standardOffsetMinutes() const {
    // tm_isdst cannot be trusted: Irish winter time is marked as daylight saving, which makes
    // the zone look like +1 all year. Daylight saving always moves clocks forward, so the
    // smaller of the winter and summer offsets is the standard one, in either hemisphere.
    tzset();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const int year = local.tm_year + 1900;
    return static_cast<int>(std::min(offsetSecondsOn(year, 1), offsetSecondsOn(year, 7)) / 60);
}

} // namespace orvex
