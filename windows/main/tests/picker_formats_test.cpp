#include "windows/main/picker_formats.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

TEST(PickerFormats, FollowTheRegionalConventions) {
    RegionalFormat dayFirst;
    EXPECT_EQ(qtDateFormat(dayFirst), "dd'/'MM'/'yyyy");
    EXPECT_EQ(qtTimeFormat(dayFirst), "HH':'mm':'ss");

    RegionalFormat us;
    us.dateOrder = DateOrder::MonthDayYear;
    us.dayLeadingZero = us.monthLeadingZero = us.hourLeadingZero = false;
    us.twelveHour = true;
    EXPECT_EQ(qtDateFormat(us), "M'/'d'/'yyyy");
    EXPECT_EQ(qtTimeFormat(us), "h':'mm':'ss AP");

    RegionalFormat iso;
    iso.dateOrder = DateOrder::YearMonthDay;
    iso.dateSeparator = "-";
    iso.timeSeparator = "h";
    EXPECT_EQ(qtDateFormat(iso), "yyyy'-'MM'-'dd");
    EXPECT_EQ(qtTimeFormat(iso), "HH'h'mm'h'ss");
}

} // namespace
} // namespace orvex
