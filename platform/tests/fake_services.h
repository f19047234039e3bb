#pragma once

#include "platform/services.h"

namespace orvex::testing {

class FakeClock final : public Clock {
public:
    TDateTime now = encodeDate({2009, 11, 26}) + encodeTime({9, 30, 0});
    TDateTime today() const override { return static_cast<TDateTime>(dayNumberOf(now)); }
    TDateTime timeOfDay() const override { return encodeDateTime(0, secondOfDay(now)); }
};

class FakeTimeZone final : public TimeZone {
public:
    int offsetMinutes = 0;
    int standardOffsetMinutes() const override { return offsetMinutes; }
};

// A fixed clock, a fixed zone and day/month/year 24-hour texts, installed for its lifetime.
class FakeServices {
public:
    FakeClock clock;
    FakeTimeZone timeZone;
    RegionalFormat regional;
    FakeServices() : m_scope({&clock, &timeZone, &regional}) {}

private:
    ScopedServices m_scope;
};

} // namespace orvex::testing
