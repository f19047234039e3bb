#pragma once

#include "clock.h"
#include "regional.h"
#include "time_zone.h"

namespace orvex {

// The process's view of the clock, the time zone and the regional settings. Production code
// asks here; tests put fakes in place with ScopedServices.
struct Services {
    const Clock* clock = nullptr;
    const TimeZone* timeZone = nullptr;
    const RegionalFormat* regional = nullptr;
};

const Clock& clock();
const TimeZone& timeZone();
const RegionalFormat& regional();

// Replaces the services that are not null for its lifetime.
class ScopedServices {
public:
    explicit ScopedServices(const Services& replacement);
    ~ScopedServices();
    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

private:
    Services m_saved;
};

} // namespace orvex
