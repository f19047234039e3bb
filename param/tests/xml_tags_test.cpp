#include "param/xml_tags.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace orvex {
namespace {

// Every "<" with the first ">" at or after it, found byte by byte.
std::vector<XmlTags::Tag> tagsByteByByte(const std::string& text) {
    std::vector<XmlTags::Tag> tags;
    for (std::size_t start = text.find('<'); start != std::string::npos;
         start = text.find('<', start + 1)) {
        const std::size_t end = text.find('>', start);
        tags.push_back({static_cast<std::uint32_t>(start), end == std::string::npos
                                                               ? XmlTags::kNoEnd
                                                               : static_cast<std::uint32_t>(end)});
    }
    return tags;
}

std::size_t nextOfLengthByteByByte(const std::vector<XmlTags::Tag>& tags, std::size_t from,
                                   std::size_t to, std::size_t a, std::size_t b) {
    for (; from < to; ++from) {
        const XmlTags::Tag& tag = tags[from];
        if (tag.end != XmlTags::kNoEnd && (tag.end - tag.start == a || tag.end - tag.start == b)) {
            return from;
        }
    }
    return to;
}

// Random texts of brackets, letters and slashes of every length around the sixteen-byte blocks
// the tags are found in, tags nested and tags left open included, against a plain search.
TEST(XmlTagsTest, FindsWhatAByteByByteSearchFinds) {
    std::mt19937 random(20261210);
    const std::string alphabet = "<<>>a/ ";
    for (int round = 0; round < 3000; ++round) {
        std::string text(static_cast<std::size_t>(round % 80), ' ');
        for (char& byte : text) {
            byte = alphabet[random() % alphabet.size()];
        }
        const XmlTags tags(text);
        const std::vector<XmlTags::Tag> expected = tagsByteByByte(text);
        ASSERT_EQ(tags.size(), expected.size()) << text;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            ASSERT_EQ(tags[i].start, expected[i].start) << text;
            ASSERT_EQ(tags[i].end, expected[i].end) << text;
        }
        for (std::size_t from = 0; from <= expected.size(); ++from) {
            const std::size_t a = random() % 6;
            ASSERT_EQ(tags.nextOfLength(from, expected.size(), a, a + 1),
                      nextOfLengthByteByByte(expected, from, expected.size(), a, a + 1))
                << text << " from " << from << " length " << a;
        }
    }
}

TEST(XmlTagsTest, FindsTagsTooLongForTheLengthList) {
    const std::string name(300, 'n');
    const std::string text = "<" + name + ">" + std::string(40, 'v') + "</" + name + ">";
    const XmlTags tags(text);
    ASSERT_EQ(tags.size(), 2U);
    EXPECT_EQ(tags.nextOfLength(0, 2, name.size() + 2, name.size() + 3), 1U);
    EXPECT_EQ(tags.nextOfLength(0, 2, name.size() + 1, name.size() + 2), 0U);
    EXPECT_EQ(tags.nextOfLength(0, 2, 254, 255), 2U);
}

} // namespace
} // namespace orvex
