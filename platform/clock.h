#pragma once

#include "tdatetime.h"

namespace orvex {

class Clock {
public:
    virtual ~Clock() = default;
    // Today's date at midnight.
    virtual TDateTime today() const = 0;
    // The current time of day on day 0, to the second.
    virtual TDateTime timeOfDay() const = 0;
};

class SystemClock final : public Clock {
public:
    TDateTime today() const override;
    TDateTime timeOfDay() const override;
};

} // namespace orvex
