#include "param/param_io.h"
#include "param/xml_param_notify.h"
#include "test_support.h"

#include <cstdint>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace orvex {
namespace {

using test::writtenText;
using ::testing::ElementsAre;

std::vector<std::string> entryNames(const XML_Node& node) {
    std::vector<std::string> names;
    for (const auto& entry : node.entries()) {
        names.emplace_back(entry.name);
    }
    return names;
}

std::vector<std::string> childNames(const XML_Node& node) {
    std::vector<std::string> names;
    for (const XML_Node& child : node.children()) {
        names.emplace_back(child.name());
    }
    return names;
}

TEST(ParamTreeTest, SettingAPathCreatesItsNodesAndResettingKeepsTheEntryInPlace) {
    ParamIO io;
    EXPECT_TRUE(io.SetValue("PARAMS:MAIN:Scroll", true));
    EXPECT_TRUE(io.SetValue("PARAMS:MAIN:ScrollText", "Hello"));
    EXPECT_TRUE(io.SetValue("PARAMS:MAIN:Scroll", false));

    const XML_Node& root = io.notify().root();
    EXPECT_EQ(root.name(), "PARAMS");
    ASSERT_THAT(childNames(root), ElementsAre("MAIN"));
    const XML_Node& main = root.children()[0];
    EXPECT_THAT(entryNames(main), ElementsAre("Scroll", "ScrollText"));
    std::string value;
    EXPECT_TRUE(io.GetValue("PARAMS:MAIN:Scroll", value));
    EXPECT_EQ(value, "0");
}

TEST(ParamTreeTest, NewNodesAreAppendedAfterExistingChildren) {
    ParamIO io;
    io.SetValue("PARAMS:MAIN:LoopCount", 1);
    io.SetValue("PARAMS:LOOP0:Name", "Loop0");
    io.SetValue("PARAMS:LOOP0:IMAGE_ITEM0:FileName", "/a.jpg");
    io.SetValue("PARAMS:LOOP0:IMAGE_ITEM1:FileName", "/b.jpg");
    io.SetValue("PARAMS:LOOP0:nItems", 2);

    const XML_Node& loop = io.notify().root().children()[1];
    EXPECT_THAT(childNames(io.notify().root()), ElementsAre("MAIN", "LOOP0"));
    EXPECT_THAT(childNames(loop), ElementsAre("IMAGE_ITEM0", "IMAGE_ITEM1"));
    EXPECT_THAT(entryNames(loop), ElementsAre("Name", "nItems"));
}

TEST(ParamTreeTest, NamesCompareByteForByte) {
    ParamIO io;
    io.SetValue("PARAMS:MAIN:Scroll", 1);
    std::string value = "untouched";
    EXPECT_FALSE(io.GetValue("PARAMS:main:Scroll", value));
    EXPECT_FALSE(io.GetValue("PARAMS:MAIN :Scroll", value));
    EXPECT_FALSE(io.GetValue("params:MAIN:Scroll", value));
    EXPECT_FALSE(io.GetValue("PARAMS:MAIN:scroll", value));
    EXPECT_EQ(value, "untouched");

    io.SetValue("PARAMS:main:Scroll", 2);
    EXPECT_THAT(childNames(io.notify().root()), ElementsAre("MAIN", "main"));
}

TEST(ParamTreeTest, APathUnderAnotherRootNameRenamesTheRootAndKeepsItsContent) {
    ParamIO io;
    io.SetValue("PARAMS:MAIN:A", "first");
    io.SetValue("OTHER:MAIN:B", "second");

    const XML_Node& root = io.notify().root();
    EXPECT_EQ(root.name(), "OTHER");
    ASSERT_THAT(childNames(root), ElementsAre("MAIN", "MAIN"));
    EXPECT_THAT(entryNames(root.children()[1]), ElementsAre("B"));

    // Searches stop at the first MAIN, which never held B.
    std::string value;
    EXPECT_TRUE(io.GetValue("OTHER:MAIN:A", value));
    EXPECT_EQ(value, "first");
    EXPECT_FALSE(io.GetValue("OTHER:MAIN:B", value));
    EXPECT_FALSE(io.GetValue("PARAMS:MAIN:A", value));
}

TEST(ParamTreeTest, SettersOfOnePathAfterARenameReachTheNodeASearchFinds) {
    ParamIO io;
    io.SetValue("PARAMS:MAIN:A", "first");
    io.SetValue("OTHER:MAIN:B", "second");
    io.SetValue("OTHER:MAIN:C", "third");
    io.SetValue("OTHER:MAIN:B", "again");

    const XML_Node& root = io.notify().root();
    ASSERT_THAT(childNames(root), ElementsAre("MAIN", "MAIN"));
    EXPECT_THAT(entryNames(root.children()[0]), ElementsAre("A", "C", "B"));
    EXPECT_THAT(entryNames(root.children()[1]), ElementsAre("B"));
    EXPECT_EQ(root.children()[1].entries()[0].element.value, "second");
    EXPECT_EQ(root.children()[0].entries()[2].element.value, "again");
}

TEST(ParamTreeTest, SettersOfOnePathFollowTheTreeAsItGrowsAndIsRebuilt) {
    ParamIO io;
    io.SetValue("R:A:x", "1");
    for (int i = 0; i < 40; ++i) {
        // Each new sibling may move A; the next value for A must still land in it.
        io.SetValue("R:S" + std::to_string(i) + ":v", i);
        io.SetValue("R:A:x", i);
    }
    std::uint32_t number = 0;
    EXPECT_TRUE(io.GetValue("R:A:x", number));
    EXPECT_EQ(number, 39U);
    EXPECT_EQ(io.notify().root().children().size(), 41U);

    std::istringstream in("<R>\n\t<B>\n\t\t<y>2</y>\n\t</B>\n</R>\n");
    io.ReadStream(in);
    io.SetValue("R:A:x", "after the read");
    const XML_Node& root = io.notify().root();
    ASSERT_THAT(childNames(root), ElementsAre("B", "A"));
    EXPECT_THAT(entryNames(root.children()[1]), ElementsAre("x"));
}

TEST(ParamTreeTest, AnEntryMayHangOnTheRootItself) {
    ParamIO io;
    io.SetValue("R:Version", 3);
    std::uint32_t number = 0;
    EXPECT_TRUE(io.GetValue("R:Version", number));
    EXPECT_EQ(number, 3U);
    EXPECT_THAT(entryNames(io.notify().root()), ElementsAre("Version"));
}

TEST(ParamTreeTest, EachSetterKindStoresItsText) {
    ParamIO io;
    const std::string object = "from a string object";
    const char* const absent = nullptr;
    io.SetValue("P:N:True", true);
    io.SetValue("P:N:False", false);
    io.SetValue("P:N:Minus", -1);
    io.SetValue("P:N:Byte", std::uint8_t{255});
    io.SetValue("P:N:Zero", 0U);
    io.SetValue("P:N:Chars", "Hello World");
    io.SetValue("P:N:Object", object);
    io.SetValue("P:N:Absent", absent);

    const struct {
        const char* path;
        const char* text;
    } expected[] = {
        {"P:N:True", "1"},
        {"P:N:False", "0"},
        {"P:N:Minus", "4294967295"},
        {"P:N:Byte", "255"},
        {"P:N:Zero", "0"},
        {"P:N:Chars", "Hello World"},
        {"P:N:Object", "from a string object"},
        {"P:N:Absent", ""},
    };
    for (const auto& e : expected) {
        std::string text;
        EXPECT_TRUE(io.GetValue(e.path, text)) << e.path;
        EXPECT_EQ(text, e.text) << e.path;
    }
    std::uint32_t number = 0;
    EXPECT_TRUE(io.GetValue("P:N:Minus", number));
    EXPECT_EQ(number, 0xFFFFFFFFU);
}

template <typename Value>
concept Settable = requires(ParamIO& io, Value value) {
    io.SetValue("P:N:V", value);
};

// A value of another kind must not slip into a flag or lose bits on the way to a number.
static_assert(Settable<bool> && Settable<int> && Settable<std::uint8_t> && Settable<std::int16_t> &&
              Settable<std::uint32_t> && Settable<const char*> && Settable<std::string>);
static_assert(!Settable<char> && !Settable<double> && !Settable<std::int64_t> &&
              !Settable<std::uint64_t> && !Settable<std::string_view>);

TEST(ParamTreeTest, GettersLeaveTheOutputAloneWhenTheyFail) {
    ParamIO io;
    io.SetValue("P:N:Word", "abc");
    io.SetValue("P:N:Empty", "");
    io.SetValue("P:N:Huge", "4294967296");

    for (const char* path : {"P:N:Word", "P:N:Empty", "P:N:Huge", "P:N:Missing", "P:X:Word",
                             "Q:N:Word", "P:N:Word:Deeper"}) {
        std::uint32_t number = 77;
        EXPECT_FALSE(io.GetValue(path, number)) << path;
        EXPECT_EQ(number, 77U) << path;
    }
    std::string text = "untouched";
    EXPECT_FALSE(io.GetValue("P:N:Missing", text));
    EXPECT_EQ(text, "untouched");
    EXPECT_TRUE(io.GetValue("P:N:Empty", text));
    EXPECT_EQ(text, "");
}

TEST(ParamTreeTest, GetValueOrDeliversTheDefaultOnlyForAMissingEntry) {
    ParamIO io;
    io.SetValue("P:N:Name", "Loop3");
    io.SetValue("P:N:Blank", "");

    std::string text;
    EXPECT_FALSE(io.GetValueOr("P:N:Missing", text, "fallback"));
    EXPECT_EQ(text, "fallback");
    EXPECT_TRUE(io.GetValueOr("P:N:Name", text, "fallback"));
    EXPECT_EQ(text, "Loop3");
    EXPECT_TRUE(io.GetValueOr("P:N:Blank", text, "fallback"));
    EXPECT_EQ(text, "");
}

TEST(ParamTreeTest, PathsWithoutBothANodeAndAnEntryNameChangeAndFindNothing) {
    ParamIO io;
    io.SetValue("P:N:A", "1");
    const std::string before = writtenText(io);

    for (const char* path : {"", "P", "P:", "N"}) {
        EXPECT_FALSE(io.SetValue(path, "x")) << path;
        std::string text = "untouched";
        EXPECT_FALSE(io.GetValue(path, text)) << path;
        EXPECT_EQ(text, "untouched");
    }
    EXPECT_EQ(writtenText(io), before);
}

TEST(ParamTreeTest, NodesWithManyEntriesAndChildrenStillFindTheFirstOfEachName) {
    XML_Param_Notify notify;
    notify.FoundNode("R", "");
    for (int i = 0; i < 40; ++i) {
        const std::string n = std::to_string(i % 30);
        notify.FoundNode("C" + n, "");
        notify.FoundElement("V", std::to_string(i), "");
        notify.EndNode("C" + n, "");
        notify.FoundElement("E" + std::to_string(i), "first", "");
    }
    notify.FoundElement("E3", "again", "");
    notify.EndNode("R", "");
    notify.SetValue({"R", "E39", "X"}, "a node beside the entry");
    notify.SetValue({"R", "E5"}, "set");

    const XML_Node& root = notify.root();
    ASSERT_EQ(root.entries().size(), 40U);
    EXPECT_EQ(root.entries()[3].name, "E3");
    EXPECT_EQ(root.entries()[3].element.value, "again");
    EXPECT_EQ(root.entries()[5].element.value, "set");
    EXPECT_EQ(root.children().size(), 41U);
    for (int i = 0; i < 30; ++i) {
        std::string value;
        EXPECT_TRUE(notify.GetValue({"R", "C" + std::to_string(i), "V"}, value));
        EXPECT_EQ(value, std::to_string(i));
    }
    std::string value;
    EXPECT_TRUE(notify.GetValue({"R", "E39", "X"}, value));

    // A copy holds the whole tree, its lookups included, and nothing of it changes the original.
    XmlTree copy = notify.tree();
    EXPECT_EQ(copy.root().findChild("C7"), copy.root().children()[7]);
    EXPECT_EQ(copy.root().findElement("E3")->value, "again");
    copy.SetElement(XmlTree::kRoot, "E3", "changed in the copy", "");
    copy.AddNode(XmlTree::kRoot, "C7", "");
    EXPECT_EQ(copy.root().findChild("C7"), copy.root().children()[7]);
    EXPECT_EQ(root.findElement("E3")->value, "again");
    EXPECT_EQ(root.children().size(), 41U);
}

TEST(ParamTreeTest, FindPathNodeFollowsTheFirstNodeOfEachName) {
    XML_Param_Notify notify;
    notify.SetValue({"P", "A", "x"}, "1");
    notify.SetValue({"P", "A", "B", "y"}, "2");

    EXPECT_EQ(notify.FindPathNode({}), notify.root());
    const std::optional<XML_Node> b = notify.FindPathNode(std::vector<std::string>{"P", "A", "B"});
    ASSERT_TRUE(b);
    EXPECT_EQ(b->name(), "B");
    EXPECT_EQ(notify.FindPathNode(std::vector<std::string>{"P", "B"}), std::nullopt);
    EXPECT_EQ(notify.FindPathNode(std::vector<std::string>{"A"}), std::nullopt);
}

// The events the reader sends, played by hand.
TEST(ParamTreeEventsTest, RebuildTheTreeFromReaderEvents) {
    XML_Param_Notify notify;
    notify.FoundNode("PARAMS", "");
    notify.FoundElement("Version", "1", "");
    notify.FoundNode("LOOP", "id=\"a\"");
    notify.FoundElement("Name", "first", "");
    notify.FoundElement("Name", "second", "lang=\"en\"");
    notify.FoundElement("Other", "x", "");
    notify.EndNode("LOOP", "");
    notify.FoundNode("LOOP", "");
    notify.FoundElement("Name", "third", "");
    notify.EndNode("NOT_THE_SAME_NAME", "");
    notify.FoundElement("Version", "2", "");
    notify.EndNode("PARAMS", "");

    const XML_Node& root = notify.root();
    EXPECT_THAT(entryNames(root), ElementsAre("Version"));
    ASSERT_THAT(childNames(root), ElementsAre("LOOP", "LOOP"));
    EXPECT_EQ(root.entries()[0].element.value, "2");
    const XML_Node& first = root.children()[0];
    EXPECT_EQ(first.attributeText(), "id=\"a\"");
    EXPECT_THAT(entryNames(first), ElementsAre("Name", "Other"));
    EXPECT_EQ(first.entries()[0].element.value, "second");
    EXPECT_EQ(first.entries()[0].element.attributeText, "lang=\"en\"");

    std::string name;
    EXPECT_TRUE(notify.GetValue({"PARAMS", "LOOP", "Name"}, name));
    EXPECT_EQ(name, "second");
}

TEST(ParamTreeEventsTest, ASecondTopLevelNodeRenamesTheRootAndAddsToIt) {
    XML_Param_Notify notify;
    notify.FoundNode("FIRST", "a");
    notify.FoundElement("One", "1", "");
    notify.EndNode("FIRST", "a");
    notify.FoundNode("SECOND", "");
    notify.FoundElement("Two", "2", "");
    notify.EndNode("SECOND", "");

    EXPECT_EQ(notify.root().name(), "SECOND");
    EXPECT_EQ(notify.root().attributeText(), "");
    EXPECT_THAT(entryNames(notify.root()), ElementsAre("One", "Two"));
}

TEST(ParamTreeEventsTest, EventsOutsideEveryNodeAreIgnored) {
    XML_Param_Notify notify;
    notify.FoundElement("Stray", "1", "");
    notify.EndNode("Stray", "");
    notify.FoundNode("R", "");
    notify.FoundElement("Kept", "2", "");
    notify.EndNode("R", "");
    notify.EndNode("R", "");
    notify.FoundElement("AfterTheEnd", "3", "");

    EXPECT_EQ(notify.root().name(), "R");
    EXPECT_THAT(entryNames(notify.root()), ElementsAre("Kept"));
}

TEST(ParamTreeEventsTest, ClearInTheMiddleOfAReadStartsAFreshTree) {
    XML_Param_Notify notify;
    notify.FoundNode("R", "");
    notify.FoundNode("A", "");
    notify.FoundNode("B", "");
    notify.Clear();
    notify.FoundElement("Lost", "1", "");
    notify.FoundNode("S", "");
    notify.FoundElement("Kept", "2", "");
    notify.EndNode("S", "");

    EXPECT_EQ(notify.root().name(), "S");
    EXPECT_TRUE(notify.root().children().empty());
    EXPECT_THAT(entryNames(notify.root()), ElementsAre("Kept"));
}

TEST(ParamTreeEventsTest, OpenNodesStayReachableWhileTheirSiblingsGrow) {
    XML_Param_Notify notify;
    notify.FoundNode("R", "");
    for (int i = 0; i < 100; ++i) {
        notify.FoundNode("C", "");
        notify.FoundNode("D", "");
        notify.FoundElement("Deep", std::to_string(i), "");
        notify.EndNode("D", "");
        notify.FoundElement("Index", std::to_string(i), "");
        notify.EndNode("C", "");
    }
    notify.FoundElement("Last", "x", "");
    notify.EndNode("R", "");

    const XML_Node& root = notify.root();
    ASSERT_EQ(root.children().size(), 100U);
    for (std::size_t i = 0; i < 100; ++i) {
        const XML_Node& c = root.children()[i];
        std::string index;
        std::string deep;
        EXPECT_TRUE(c.GetElement("Index", index));
        ASSERT_EQ(c.children().size(), 1U);
        EXPECT_TRUE(c.children()[0].GetElement("Deep", deep));
        EXPECT_EQ(index, std::to_string(i));
        EXPECT_EQ(deep, std::to_string(i));
    }
    EXPECT_THAT(entryNames(root), ElementsAre("Last"));
}

} // namespace
} // namespace orvex
