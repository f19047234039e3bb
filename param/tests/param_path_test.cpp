#include "param/param_path.h"

#include <gtest/gtest.h>
#include <string_view>

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

TEST(PathTextTest, TakesApartWhatSplitPathGivesWithoutCopying) {
    for (const char* text : {"", "A", ":", "A:B", "PARAMS:MAIN:ScrollText", "A::B", "A:B:", ":A",
                             "::", ":::", "A::", "A B: c", "A:B::"}) {
        const ParamPath split = SplitPath(text);
        const PathText path(text);
        ASSERT_EQ(path.complete(), split.size() >= 2) << '"' << text << '"';
        if (!path.complete()) {
            continue;
        }
        ParamPath taken;
        PathText::NodeNames names = path.nodeNames();
        for (std::string_view name; names.next(name);) {
            taken.emplace_back(name);
        }
        taken.emplace_back(path.entryName());
        EXPECT_EQ(taken, split) << '"' << text << '"';
    }
}

} // namespace
} // namespace orvex
