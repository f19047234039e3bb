#include "model/store.h"
#include "param/param_io.h"
#include "platform/tests/fake_services.h"
#include "playlist/playlist_file.h"
#include "playlist/playlist_write.h"
#include "playlist/tests/test_files.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace orvex {
namespace {

std::string crlfLines(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\r\n";
    }
    return text;
}

class PlaylistSaveTest : public ::testing::Test {
protected:
    testing::FakeServices services;
    std::unique_ptr<Sequence> sequence = std::make_unique<Sequence>();

    PlaylistSaveTest() {
        ClearLoops(sequence->loopTable);
        ResetConfig(sequence->mainParams);
    }

    std::string value(const ParamIO& io, const std::string& path) const {
        std::string text = "<absent>";
        io.GetValue(path, text);
        return text;
    }
    std::unique_ptr<ParamIO> written() const {
        auto io = std::make_unique<ParamIO>();
        WriteMainParams(*io, *sequence, services.regional);
        return io;
    }
};

TEST_F(PlaylistSaveTest, OneLoopWithOneImageComesOutAsThePlayerExpectsByteForByte) {
    sequence->mainParams.TimeZoneIndex = 31;
    setText(AddLoop(sequence->loopTable)->Name, "Loop0");
    AddImageItem(sequence->loopTable, 0, "/photo1.jpg");

    testing::TempFolder folder;
    ASSERT_TRUE(savePlaylist(*sequence, services.regional, folder / kPlaylistFileName));

    EXPECT_EQ(testing::fileBytes(folder / kPlaylistFileName),
              crlfLines({"<PARAMS>",
                         "\t<MAIN>",
                         "\t\t<ScrollText></ScrollText>",
                         "\t\t<Scroll>0</Scroll>",
                         "\t\t<ShowText>0</ShowText>",
                         "\t\t<ShowDate>0</ShowDate>",
                         "\t\t<ShowTime>1</ShowTime>",
                         "\t\t<TextColor>2</TextColor>",
                         "\t\t<BackColor>0</BackColor>",
                         "\t\t<TimeZoneIndex>31</TimeZoneIndex>",
                         "\t\t<EnableDST>1</EnableDST>",
                         "\t\t<FileLogo></FileLogo>",
                         "\t\t<xLogo>0</xLogo>",
                         "\t\t<yLogo>0</yLogo>",
                         "\t\t<xClock>0</xClock>",
                         "\t\t<yClock>0</yClock>",
                         "\t\t<Rotation>0</Rotation>",
                         "\t\t<LoopCount>1</LoopCount>",
                         "\t</MAIN>",
                         "\t<LOOP0>",
                         "\t\t<Name>Loop0</Name>",
                         "\t\t<bDateIni>0</bDateIni>",
                         "\t\t<bDateEnd>0</bDateEnd>",
                         "\t\t<bTimeIni>0</bTimeIni>",
                         "\t\t<bTimeEnd>0</bTimeEnd>",
                         "\t\t<bWeekDay>0</bWeekDay>",
                         "\t\t<bMonthDay>0</bMonthDay>",
                         "\t\t<Loop>1</Loop>",
                         "\t\t<Checked>1</Checked>",
                         "\t\t<DateIni>26/11/2009</DateIni>",
                         "\t\t<DateEnd>26/11/2009</DateEnd>",
                         "\t\t<TimeIni>09:30:00</TimeIni>",
                         "\t\t<TimeEnd>09:30:00</TimeEnd>",
                         "\t\t<WeekDay>0</WeekDay>",
                         "\t\t<MonthDay>1</MonthDay>",
                         "\t\t<nItems>1</nItems>",
                         "\t\t<Event>0</Event>",
                         "\t\t<IMAGE_ITEM0>",
                         "\t\t\t<FileName>/photo1.jpg</FileName>",
                         "\t\t\t<Duration>00:00:10</Duration>",
                         "\t\t\t<bDuration>1</bDuration>",
                         "\t\t\t<Position>0</Position>",
                         "\t\t\t<Checked>1</Checked>",
                         "\t\t</IMAGE_ITEM0>",
                         "\t</LOOP0>",
                         "</PARAMS>"}));
}

TEST_F(PlaylistSaveTest, WithoutLoopsOnlyTheGeneralSettingsAreWritten) {
    const auto io = written();
    const XML_Node& root = io->notify().root();
    ASSERT_EQ(root.children().size(), 1u);
    EXPECT_EQ(root.children()[0].name(), "MAIN");
    EXPECT_EQ(root.children()[0].entries().size(), 16u);
    EXPECT_EQ(value(*io, "PARAMS:MAIN:LoopCount"), "0");
}

TEST_F(PlaylistSaveTest, LoopsAndItemsGoOutInSlotOrderAndOnlyThoseInUse) {
    LoopTable& table = sequence->loopTable;
    for (int n = 0; n < 11; ++n) {
        AddLoop(table);
    }
    for (const char* file : {"/a.jpg", "/b.jpg", "/c.jpg", "/d.jpg"}) {
        AddImageItem(table, 10, file);
    }
    RemoveImageItem(table, 10, 3); // the slot keeps "/d.jpg" but is no longer in use

    const auto io = written();
    const auto& loops = io->notify().root().children();
    ASSERT_EQ(loops.size(), 12u);
    for (std::size_t n = 0; n < 11; ++n) {
        EXPECT_EQ(loops[n + 1].name(), "LOOP" + std::to_string(n));
    }
    EXPECT_TRUE(loops[1].children().empty());
    EXPECT_EQ(loops[1].entries().size(), 17u);
    const auto& items = loops[11].children();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[2].name(), "IMAGE_ITEM2");
    EXPECT_EQ(value(*io, "PARAMS:LOOP10:nItems"), "3");
    EXPECT_EQ(value(*io, "PARAMS:LOOP10:IMAGE_ITEM2:FileName"), "/c.jpg");
}

TEST_F(PlaylistSaveTest, EachFieldTakesItsForm) {
    MainParams& params = sequence->mainParams;
    setText(params.ScrollText, "Open every day from 9 to 5 & on Sundays");
    params.xLogo = -5;
    params.yClock = -1;
    params.Rotation = 3;
    params.TimeZoneIndex = 89;
    LoopEntry& loop = *AddLoop(sequence->loopTable);
    loop.Checked = 0;
    loop.DateIni = encodeDate({2010, 3, 4}) + encodeTime({23, 59, 59});
    loop.TimeIni = encodeDate({2031, 1, 1}) + encodeTime({14, 30, 0});
    loop.Event = 23;
    ImageItem& item = *AddImageItem(sequence->loopTable, 0, "NULL");
    item.Checked = 0;
    item.Position = RIGHT;
    item.Duration = encodeTime({1, 2, 3});

    const auto io = written();
    const std::pair<const char*, const char*> cases[] = {
        {"PARAMS:MAIN:ScrollText", "Open every day from 9 to 5 & on Sundays"},
        {"PARAMS:MAIN:FileLogo", ""},
        {"PARAMS:MAIN:xLogo", "4294967291"},
        {"PARAMS:MAIN:yClock", "4294967295"},
        {"PARAMS:MAIN:Rotation", "3"},
        {"PARAMS:MAIN:TimeZoneIndex", "89"},
        {"PARAMS:LOOP0:Name", ""},
        {"PARAMS:LOOP0:Checked", "0"},
        {"PARAMS:LOOP0:DateIni", "04/03/2010"},
        {"PARAMS:LOOP0:TimeIni", "14:30:00"},
        {"PARAMS:LOOP0:Event", "23"},
        {"PARAMS:LOOP0:IMAGE_ITEM0:FileName", "NULL"},
        {"PARAMS:LOOP0:IMAGE_ITEM0:Duration", "01:02:03"},
        {"PARAMS:LOOP0:IMAGE_ITEM0:Position", "4"},
        {"PARAMS:LOOP0:IMAGE_ITEM0:Checked", "0"},
    };
    for (const auto& [path, text] : cases) {
        EXPECT_EQ(value(*io, path), text) << path;
    }
}

TEST_F(PlaylistSaveTest, TimesFollowTheRegionalClock) {
    AddLoop(sequence->loopTable)->TimeIni = encodeTime({14, 30, 0});
    const RegionalFormat twelveHour{
        .twelveHour = true, .hourLeadingZero = false, .amDesignator = "AM", .pmDesignator = "PM"};
    const auto io = std::make_unique<ParamIO>();
    WriteMainParams(*io, *sequence, twelveHour);
    EXPECT_EQ(value(*io, "PARAMS:LOOP0:TimeIni"), "2:30:00 PM");
}

TEST_F(PlaylistSaveTest, SingleWritersSetNothingForSlotsNotInUse) {
    AddLoop(sequence->loopTable);
    AddImageItem(sequence->loopTable, 0, "/a.jpg");
    ParamIO io;
    WriteLoop(io, sequence->loopTable, 1, services.regional);
    WriteLoop(io, sequence->loopTable, 200, services.regional);
    WriteImageItem(io, sequence->loopTable, 0, 1, services.regional);
    WriteImageItem(io, sequence->loopTable, 1, 0, services.regional);
    EXPECT_TRUE(io.notify().root().name().empty());

    WriteImageItem(io, sequence->loopTable, 0, 0, services.regional);
    EXPECT_EQ(value(io, "PARAMS:LOOP0:IMAGE_ITEM0:FileName"), "/a.jpg");
    EXPECT_EQ(value(io, "PARAMS:LOOP0:Name"), "<absent>");
}

} // namespace
} // namespace orvex
