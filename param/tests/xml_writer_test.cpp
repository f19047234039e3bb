#include "param/param_io.h"
#include "test_support.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace orvex {
namespace {

using test::writtenText;

TEST(XmlWriterTest, WritesOneTabIndentedLinePerTagAndPerEntry) {
    ParamIO io;
    io.SetValue("PARAMS:MAIN:ScrollText", "Hello");
    io.SetValue("PARAMS:MAIN:Scroll", true);

    EXPECT_EQ(writtenText(io), "<PARAMS>\n"
                               "\t<MAIN>\n"
                               "\t\t<ScrollText>Hello</ScrollText>\n"
                               "\t\t<Scroll>1</Scroll>\n"
                               "\t</MAIN>\n"
                               "</PARAMS>\n");
}

TEST(XmlWriterTest, WritesANodesEntriesBeforeItsChildrenWhateverTheOrderOfSetting) {
    ParamIO io;
    io.SetValue("P:L:IMAGE:File", "/a.jpg");
    io.SetValue("P:L:Name", "");
    io.SetValue("P:Count", 1);

    EXPECT_EQ(writtenText(io), "<P>\n"
                               "\t<Count>1</Count>\n"
                               "\t<L>\n"
                               "\t\t<Name></Name>\n"
                               "\t\t<IMAGE>\n"
                               "\t\t\t<File>/a.jpg</File>\n"
                               "\t\t</IMAGE>\n"
                               "\t</L>\n"
                               "</P>\n");
}

TEST(XmlWriterTest, WritesValuesUnescaped) {
    ParamIO io;
    io.SetValue("P:N:Text", "a<b & \"c\" > 'd'\nnext line");

    EXPECT_EQ(writtenText(io), "<P>\n"
                               "\t<N>\n"
                               "\t\t<Text>a<b & \"c\" > 'd'\nnext line</Text>\n"
                               "\t</N>\n"
                               "</P>\n");
}

TEST(XmlWriterTest, WritesAnEmptyTreeAsAnUnnamedElement) {
    const ParamIO io;
    EXPECT_EQ(writtenText(io), "<>\n</>\n");
}

TEST(XmlWriterTest, WritesAnEmptyNodeAsItsTwoTagLines) {
    XML_Param_Notify notify;
    notify.FoundNode("R", "attributes=\"dropped\"");
    notify.FoundNode("E", "");
    notify.EndNode("E", "");
    notify.FoundElement("V", "1", "kind=\"dropped\"");
    notify.EndNode("R", "");

    std::ostringstream out;
    notify.WriteTree(out);
    EXPECT_EQ(out.str(), "<R>\n"
                         "\t<V>1</V>\n"
                         "\t<E>\n"
                         "\t</E>\n"
                         "</R>\n");
}

TEST(XmlWriterTest, WritesASubtreeFromItsOwnDepth) {
    ParamIO io;
    io.SetValue("P:A:B:V", "1");

    std::ostringstream out;
    io.notify().root().children()[0].WriteTree(out);
    EXPECT_EQ(out.str(), "<A>\n"
                         "\t<B>\n"
                         "\t\t<V>1</V>\n"
                         "\t</B>\n"
                         "</A>\n");
}

} // namespace
} // namespace orvex
