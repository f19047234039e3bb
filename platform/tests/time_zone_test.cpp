#include "platform/time_zone.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <string>

namespace orvex {
namespace {

class ScopedTz {
public:
    explicit ScopedTz(const char* zone) {
        if (const char* old = std::getenv("TZ")) {
            m_old = old;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTz() {
        if (m_old) {
            setenv("TZ", m_old->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }

private:
    std::optional<std::string> m_old;
};

TEST(SystemTimeZone, StandardOffsetIgnoresDaylightSavingInBothHemispheres) {
    const std::pair<const char*, int> zones[] = {
        {"UTC", 0},
        {"Europe/Dublin", 0},
        {"Europe/London", 0},
        {"Europe/Madrid", 60},
        {"America/New_York", -300},
        {"America/St_Johns", -210},
        {"Asia/Kolkata", 330},
        {"Asia/Kathmandu", 345},
        {"Australia/Sydney", 600},
        {"Australia/Adelaide", 570},
        {"Pacific/Auckland", 720},
    };
    for (const auto& [zone, offset] : zones) {
        ScopedTz tz(zone);
        EXPECT_EQ(SystemTimeZone().standardOffsetMinutes(), offset) << zone;
    }
}

} // namespace
} // namespace orvex
