#include "param/param_io.h"
#include "param/xml_stream.h"
#include "test_support.h"

#include <algorithm>
#include <cstdint>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <istream>
#include <streambuf>
#include <string>
#include <utility>
#include <vector>

namespace orvex {
namespace {

using test::readText;
using test::writtenText;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Notes each event as one line.
class RecordingNotify final : public XmlNotify {
public:
    void FoundNode(std::string_view name, std::string_view attributeText) override {
        events.push_back("node " + std::string(name) + " [" + std::string(attributeText) + "]");
    }
    void FoundElement(std::string_view name, std::string_view value,
                      std::string_view attributeText) override {
        events.push_back("element " + std::string(name) + "=" + std::string(value) + " [" +
                         std::string(attributeText) + "]");
    }
    void EndNode(std::string_view name, std::string_view) override {
        events.push_back("end " + std::string(name));
    }

    std::vector<std::string> events;
};

std::vector<std::string> eventsOf(const std::string& text) {
    RecordingNotify notify;
    XmlStream stream;
    stream.SetNotify(&notify);
    stream.Parse(text.data(), text.size());
    return notify.events;
}

struct EventCase {
    const char* text;
    std::vector<std::string> events;
};

TEST(XmlReaderTest, ReportsEachElementOfTheText) {
    const EventCase cases[] = {
        // Declarations, comments and text between elements carry nothing; attribute text is
        // passed on raw, and a self-closing tag is a leaf with an empty value.
        {"<?xml version=\"1.0\"?>\n<!-- saved -->\n<R a=\"1\">ignored text\n\t<E>v</E>\n"
         "\t<!-- between -->\n\t<S k/>\n\t<N><F x y>w w</F></N>\n</R>\n",
         {"node R [a=\"1\"]", "element E=v []", "element S= [k]", "node N []",
          "element F=w w [x y]", "end N", "end R"}},
        // An unnamed element is passed over, but what it holds is not.
        {"<R><><E>v</E></><>leaf</><F>w</F></R>",
         {"node R []", "element E=v []", "element F=w []", "end R"}},
        // A close tag with a space does not match: that level ends, the enclosing ones go on.
        {"<R><A><B>1</B ><C>2</C></A><D>3</D></R>",
         {"node R []", "node A []", "end A", "element D=3 []", "end R"}},
        {"<R><A>1</A><B>2</R>", {"node R []", "element A=1 []", "end R"}},
        {"<R><A>1</A><B", {}},
        // Each inner open tag of the same name takes one more close tag.
        {"<R><A><A>1</A></A><B>2</B></R>",
         {"node R []", "node A []", "element A=1 []", "end A", "element B=2 []", "end R"}},
        // Only the space ends a name; a tab stays in it, on both tags.
        {"<R><a\tb>1</a\tb><c d>2</c></R>",
         {"node R []", "element a\tb=1 []", "element c=2 [d]", "end R"}},
        // A value is passed on byte for byte: no entities decoded, nothing trimmed.
        {"<R><E> &amp; &lt; \r\n </E></R>",
         {"node R []", "element E= &amp; &lt; \r\n  []", "end R"}},
    };
    for (const EventCase& c : cases) {
        EXPECT_EQ(eventsOf(c.text), c.events) << c.text;
    }
}

TEST(XmlReaderTest, ReportsNothingWithoutANotifyOrText) {
    XmlStream stream;
    const std::string text = "<R><A>1</A></R>";
    EXPECT_TRUE(stream.Parse(text.data(), text.size()));
    EXPECT_FALSE(stream.Parse(text.data(), 0));
    EXPECT_FALSE(stream.Parse(nullptr, 5));
}

TEST(XmlReaderTest, ReadsBackWhatTheWriterWrote) {
    ParamIO saved;
    saved.SetValue("PARAMS:MAIN:ScrollText", "A whole sentence, with \"quotes\" & more > less");
    saved.SetValue("PARAMS:MAIN:LoopCount", 2);
    saved.SetValue("PARAMS:MAIN:Empty", "");
    saved.SetValue("PARAMS:MAIN:Lines", "one\ntwo\r\nthree\r");
    for (int loop = 0; loop < 2; ++loop) {
        const std::string prefix = "PARAMS:LOOP" + std::to_string(loop);
        saved.SetValue(prefix + ":Name", "Loop" + std::to_string(loop));
        saved.SetValue(prefix + ":Checked", loop == 0);
        for (int item = 0; item < 3; ++item) {
            const std::string itemPrefix = prefix + ":IMAGE_ITEM" + std::to_string(item);
            saved.SetValue(itemPrefix + ":FileName", "/picture " + std::to_string(item) + ".jpg");
            saved.SetValue(itemPrefix + ":Position", -5);
        }
        saved.SetValue(prefix + ":nItems", 3);
    }

    ParamIO loaded;
    readText(loaded, writtenText(saved));
    EXPECT_EQ(writtenText(loaded), writtenText(saved));
    std::string text;
    EXPECT_TRUE(loaded.GetValue("PARAMS:MAIN:Lines", text));
    EXPECT_EQ(text, "one\ntwo\r\nthree\r");
    std::uint32_t number = 0;
    EXPECT_TRUE(loaded.GetValue("PARAMS:LOOP1:IMAGE_ITEM2:Position", number));
    EXPECT_EQ(static_cast<std::int32_t>(number), -5);
}

// Hands out its text a few bytes at a time and never tells how much is left, like a pipe.
class TrickleBuffer : public std::streambuf {
public:
    explicit TrickleBuffer(std::string text) : m_text(std::move(text)) {}

protected:
    int_type underflow() override {
        if (m_next == m_text.size()) {
            return traits_type::eof();
        }
        const std::size_t count = std::min<std::size_t>(7, m_text.size() - m_next);
        char* first = m_text.data() + m_next;
        setg(first, first, first + count);
        m_next += count;
        return traits_type::to_int_type(*first);
    }

private:
    std::string m_text;
    std::size_t m_next = 0;
};

TEST(XmlReaderTest, ReadsAStreamLongerThanOneChunkThatCannotTellItsSize) {
    ParamIO written;
    for (int i = 0; i < 5000; ++i) {
        written.SetValue("PARAMS:N" + std::to_string(i % 50) + ":E" + std::to_string(i),
                         "value " + std::to_string(i));
    }
    const std::string text = test::writtenText(written);
    ASSERT_GT(text.size(), 2U * 65536U);

    TrickleBuffer buffer(text);
    std::istream in(&buffer);
    ParamIO io;
    io.ReadStream(in);
    EXPECT_EQ(test::writtenText(io), text);
}

struct TreeCase {
    const char* text;
    const char* tree; // as the writer puts it out
};

TEST(XmlReaderTest, BuildsTheTreeTheTextDescribes) {
    const TreeCase cases[] = {
        // A value holding "<" makes its element a node, and the entry is lost.
        {"<P><N><Formula>a<b</Formula><Amp>&amp;</Amp></N></P>",
         "<P>\n\t<N>\n\t\t<Amp>&amp;</Amp>\n\t\t<Formula>\n\t\t</Formula>\n\t</N>\n</P>\n"},
        // A repeated entry keeps its first place and takes the later value; repeated nodes stay.
        {"<R><E>1</E><C><V>a</V></C><F>x</F><E>2</E><C><V>b</V></C></R>",
         "<R>\n\t<E>2</E>\n\t<F>x</F>\n\t<C>\n\t\t<V>a</V>\n\t</C>\n\t<C>\n\t\t<V>b</V>\n"
         "\t</C>\n</R>\n"},
        // A node written empty comes back as an entry holding the line end and indentation.
        {"<R>\n\t<E>\n\t</E>\n</R>\n", "<R>\n\t<E>\n\t</E>\n</R>\n"},
        // A later top-level node renames the root and adds to it; a leaf outside every node is
        // dropped.
        {"<Stray>1</Stray><A><X>1</X></A><B><Y>2</Y></B>", "<B>\n\t<X>1</X>\n\t<Y>2</Y>\n</B>\n"},
        // Where the outermost element cannot be completed, the tree stays empty.
        {"", "<>\n</>\n"},
        {"no tags", "<>\n</>\n"},
        {"<!DOCTYPE R>\n<R><A>1</A></R>", "<>\n</>\n"},
        {"<![CDATA[<R>]]><R><A>1</A></R>", "<>\n</>\n"},
        {"<R><A>1</A>", "<>\n</>\n"},
        {"<R><A>1</A></R >", "<>\n</>\n"},
    };
    for (const TreeCase& c : cases) {
        ParamIO io;
        io.SetValue("OLD:TREE:Gone", "1");
        readText(io, c.text);
        EXPECT_EQ(writtenText(io), c.tree) << c.text;
    }
}

TEST(XmlReaderTest, GettersReachOnlyTheFirstOfRepeatedNodes) {
    ParamIO io;
    readText(io, "<R><C><V>a</V></C><C><V>b</V><W>c</W></C></R>");
    std::string value;
    EXPECT_TRUE(io.GetValue("R:C:V", value));
    EXPECT_EQ(value, "a");
    EXPECT_FALSE(io.GetValue("R:C:W", value));
}

std::string nested(std::size_t depth, const std::string& inner) {
    std::string text;
    for (std::size_t i = 0; i < depth; ++i) {
        text += "<a>";
    }
    text += inner;
    for (std::size_t i = 0; i < depth; ++i) {
        text += "</a>";
    }
    return text;
}

std::size_t treeDepth(const XML_Node& node) {
    std::size_t deepest = 0;
    for (const XML_Node& child : node.children()) {
        deepest = std::max(deepest, treeDepth(child));
    }
    return deepest + 1;
}

TEST(XmlReaderTest, EndsTheLevelWhereNodesNestDeeperThanTheLimit) {
    constexpr std::size_t kLimit = XmlStream::kMaxNestingDepth;
    const std::string inner = "<deep><v>kept</v></deep><After>1</After>";
    ParamIO io;
    std::string value;

    // R and the a nodes take all levels but one, which is left for the deep node.
    readText(io, "<R>" + nested(kLimit - 2, inner) + "<Next>1</Next></R>");
    EXPECT_EQ(treeDepth(io.notify().root()), kLimit);
    EXPECT_NE(writtenText(io).find("<v>kept</v>"), std::string::npos);
    EXPECT_NE(writtenText(io).find("<After>1</After>"), std::string::npos);

    readText(io, "<R>" + nested(kLimit - 1, inner) + "<Next>1</Next></R>");
    EXPECT_EQ(treeDepth(io.notify().root()), kLimit);
    EXPECT_EQ(writtenText(io).find("kept"), std::string::npos);
    EXPECT_EQ(writtenText(io).find("After"), std::string::npos);
    EXPECT_TRUE(io.GetValue("R:Next", value));

    // Far deeper than any stack would bear if each level were followed.
    readText(io, "<R>" + nested(30000, "<v>x</v>") + "<Next>2</Next></R>");
    EXPECT_TRUE(io.GetValue("R:Next", value));
    EXPECT_EQ(value, "2");
}

} // namespace
} // namespace orvex
