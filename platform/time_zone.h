#pragma once

namespace orvex {

class TimeZone {
public:
    virtual ~TimeZone() = default;
    // The local zone's offset from UTC in minutes east, without daylight saving.
    virtual int standardOffsetMinutes() const = 0;
};

class SystemTimeZone final : public TimeZone {
public:
    int standardOffsetMinutes() const override;
};

} // namespace orvex
