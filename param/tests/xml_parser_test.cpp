#include "param/xml_parser.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <string>

namespace orvex {
namespace {

struct ElementCase {
    std::string text;
    std::string name;
    std::string attributeText;
    std::string value;
    bool declaration;
    std::size_t cursor;
};

TEST(XmlParserTest, FindsNameAttributeTextValueAndTheNextTag) {
    const ElementCase cases[] = {
        {"<a>x</a>", "a", "", "x", false, 7},
        {"  <a>x</a>  <b>", "a", "", "x", false, 12},
        {"<a k=\"1\" j>v v</a><b>", "a", "k=\"1\" j", "v v", false, 18},
        {"<a></a>", "a", "", "", false, 6},
        {"<a>&amp;&lt;</a>", "a", "", "&amp;&lt;", false, 15},
        {"<a/><b>", "a", "", "", false, 4},
        {"<a x/>", "a", "x", "", false, 6},
        {"<a />", "a", "", "", false, 5},
        {"<a\t>v</a\t>", "a\t", "", "v", false, 9},
        {"<a><a>1</a><a>2</a></a>", "a", "", "<a>1</a><a>2</a>", false, 22},
        {"<a><b>1</b></a>", "a", "", "<b>1</b>", false, 14},
        {"<a>1</a>2</a>", "a", "", "1", false, 9},
        {"<?xml version=\"1.0\"?><r>", "?xml", "version=\"1.0\"?", "", true, 21},
        {"<!-- note --><r>", "!--", "note --", "", true, 13},
        {"<!--note-->", "!--note--", "", "", true, 11},
        {"<>x</>", "", "", "x", false, 5},
    };
    for (const ElementCase& c : cases) {
        const XmlTags tags(c.text);
        XmlParser parser(tags, 0, c.text.size());
        ASSERT_TRUE(parser.ParseElement()) << c.text;
        EXPECT_EQ(parser.name(), c.name) << c.text;
        EXPECT_EQ(parser.attributeText(), c.attributeText) << c.text;
        EXPECT_EQ(parser.value(), c.value) << c.text;
        EXPECT_EQ(parser.isDeclaration(), c.declaration) << c.text;
        EXPECT_EQ(parser.cursor(), c.cursor) << c.text;
        EXPECT_EQ(parser.valueHoldsTag(), c.value.find('<') != std::string::npos) << c.text;
    }
}

TEST(XmlParserTest, RecordsTheOffsetsOfEachPart) {
    const std::string_view text = "  <ab c>vw</ab>";
    const XmlTags tags(text);
    XmlParser parser(tags, 0, text.size());
    ASSERT_TRUE(parser.ParseElement());
    const XmlParser::Offsets& o = parser.offsets();
    EXPECT_EQ(o.tagStart, 2);
    EXPECT_EQ(o.tagEnd, 7);
    EXPECT_EQ(o.nameStart, 3);
    EXPECT_EQ(o.nameEnd, 4);
    EXPECT_EQ(o.attributeStart, 6);
    EXPECT_EQ(o.attributeEnd, 6);
    EXPECT_EQ(o.valueStart, 8);
    EXPECT_EQ(o.valueEnd, 9);
    EXPECT_EQ(o.closeStart, 10);
    EXPECT_EQ(o.closeEnd, 14);
}

TEST(XmlParserTest, SeesOnlyItsSpan) {
    const std::string_view text = "<R><a>1</a><b>2</b></R>";
    const XmlTags tags(text);

    XmlParser whole(tags, 3, 11);
    ASSERT_TRUE(whole.ParseElement());
    EXPECT_EQ(whole.offsets().tagStart, 0);
    EXPECT_EQ(whole.offsets().closeEnd, 7);
    EXPECT_EQ(whole.value(), "1");
    EXPECT_EQ(whole.cursor(), 7U);

    XmlParser closeCut(tags, 3, 10);
    EXPECT_FALSE(closeCut.ParseElement());
    XmlParser tagCut(tags, 11, 13);
    EXPECT_FALSE(tagCut.ParseElement());
}

TEST(XmlParserTest, FailsWhereNoCompleteElementFollows) {
    for (const char* text : {"", "plain text", "<a", "<a>x", "<a>x</a >", "<a>x</A>", "<a><a>x</a>",
                             "< a>x</a>", "<!DOCTYPE r><r></r>", "<![CDATA[x]]>", "</a>"}) {
        const XmlTags tags(text);
        XmlParser parser(tags, 0, tags.text().size());
        EXPECT_FALSE(parser.ParseElement()) << text;
    }
}

} // namespace
} // namespace orvex
