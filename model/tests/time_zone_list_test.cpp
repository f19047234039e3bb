#include "model/time_zone_list.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

TEST(TimeZoneList, OffsetFindsTheFirstEntryWithIt) {
    const std::pair<int, int> cases[] = {
        {60, 35},   {0, 32},    {-300, 15}, {120, 40}, {330, 63}, {345, 65}, {780, 89},
        {-270, 18}, {-210, 23}, {-720, 0},  {570, 79}, {840, 0},  {-30, 0},
    };
    for (const auto& [offset, index] : cases) {
        EXPECT_EQ(TimeZoneIndexFromOffset(offset), index) << offset;
    }
}

TEST(TimeZoneList, TextsAreWindows1252) {
    EXPECT_STREQ(TimeZoneNames[35], "(GMT+01:00) \xC1"
                                    "frica Central Occ.");
    EXPECT_STREQ(TimeZoneNames[63], "(GMT+05:30)Chennai, Kolhata, Mumbai, NuevaDelhi");
}

} // namespace
} // namespace orvex
