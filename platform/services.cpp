#include "services.h"

namespace orvex {
namespace {

Services& current() {
    static const SystemClock systemClock;
    static const SystemTimeZone systemTimeZone;
    // Read once: the user's conventions do not change while the editor runs, and the date
    // texts of one session must all be written alike.
    static const RegionalFormat userFormat = regionalFormatOfLocale("");
    static Services services{&systemClock, &systemTimeZone, &userFormat};
    return services;
}

} // namespace

const Clock& clock() {
    return *current().clock;
}
const TimeZone& timeZone() {
    return *current().timeZone;
}
const RegionalFormat& regional() {
    return *current().regional;
}

ScopedServices::ScopedServices(const Services& replacement) : m_saved(current()) {
    Services& services = current();
    if (replacement.clock != nullptr) {
        services.clock = replacement.clock;
    }
    if (replacement.timeZone != nullptr) {
        services.timeZone = replacement.timeZone;
    }
    if (replacement.regional != nullptr) {
        services.regional = replacement.regional;
    }
}

ScopedServices::~ScopedServices() {
    current() = m_saved;
}

} // namespace orvex
