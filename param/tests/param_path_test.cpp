#include "param/param_path.h"

#include <gtest/gtest.h>

namespace orvex {
namespace {

struct SplitCase {
    const char* text;
    ParamPath expected;
};

TEST(SplitPathTest, SplitsAtEveryColonButDropsATrailingEmptyComponent) {
    const SplitCase cases[] = {
        {"", {}},
        {"A", {"A"}},
        {"A:B", {"A", "B"}},
        {"PARAMS:MAIN:ScrollText", {"PARAMS", "MAIN", "ScrollText"}},
        {"A::B", {"A", "", "B"}},
        {"A:B:", {"A", "B"}},
        {":A", {"", "A"}},
        {"::", {"", ""}},
        {"A B: c", {"A B", " c"}},
    };
    for (const SplitCase& c : cases) {
        EXPECT_EQ(SplitPath(c.text), c.expected) << '"' << c.text << '"';
    }
}

} // namespace
} // namespace orvex
