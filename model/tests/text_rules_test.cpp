#include "model/text_rules.h"

#include <gtest/gtest.h>
#include <string>

namespace orvex {
namespace {

struct Case {
    const char* what;
    std::string utf8;
    std::size_t maxBytes;
    TextFault fault;
};

TEST(TextRules, RefusesWhatThePlaylistCannotCarry) {
    const Case cases[] = {
        {"plain", "Morning loop", 63, TextFault::kNone},
        {"empty", "", 63, TextFault::kNone},
        {"accents and euro",
         "Ca\xc3\xb1"
         "a \xe2\x82\xac",
         63, TextFault::kNone},
        {"exactly the limit", std::string(63, 'a'), 63, TextFault::kNone},
        {"one past the limit", std::string(64, 'a'), 63, TextFault::kTooLong},
        {"file name limit", std::string(62, 'b'), kMaxBareFileNameBytes, TextFault::kNone},
        {"file name past it", std::string(63, 'b'), kMaxBareFileNameBytes, TextFault::kTooLong},
        // Each of these counts one byte in the file, so 63 of them still fit.
        {"63 two-byte UTF-8 chars",
         [] {
             std::string s;
             for (int i = 0; i < 63; ++i) {
                 s += "\xc3\xa9";
             }
             return s;
         }(),
         63, TextFault::kNone},
        {"less-than", "a<b", 63, TextFault::kLessThanSign},
        {"greater-than is harmless", "a>b & c", 63, TextFault::kNone},
        {"tab", "a\tb", 63, TextFault::kControlCharacter},
        {"line break", "a\nb", 63, TextFault::kControlCharacter},
        {"delete", "a\x7f", 63, TextFault::kControlCharacter},
        {"C1 control", "a\xc2\x81", 63, TextFault::kControlCharacter},
        {"Greek", "\xce\xb1", 63, TextFault::kNotWindows1252},
        {"emoji", "\xf0\x9f\x98\x80", 63, TextFault::kNotWindows1252},
        {"broken UTF-8", "a\xc3", 63, TextFault::kNotWindows1252},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toPlaylistText(c.utf8, c.maxBytes).fault, c.fault) << c.what;
    }
}

TEST(TextRules, GivesTheWindows1252Bytes) {
    const PlaylistText text = toPlaylistText("Espa\xc3\xb1ol \xe2\x82\xac", 63);
    ASSERT_TRUE(text.ok());
    EXPECT_EQ(text.bytes, "Espa\xf1ol \x80");
}

} // namespace
} // namespace orvex
