#pragma once

#include "model/records.h"

namespace orvex::testing {

// A shop's day on Monday 12 January 2009, the day the README's picture shows: thirteen change
// moments, up to five loops playing at once.
void fillBusyDay(LoopTable& loops);

} // namespace orvex::testing
