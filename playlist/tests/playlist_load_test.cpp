#include "model/store.h"
#include "param/param_io.h"
#include "platform/tests/fake_services.h"
#include "playlist/playlist_read.h"

#include <array>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <sstream>
#include <string>

namespace orvex {
namespace {

std::string entry(const std::string& key, const std::string& value) {
    return "<" + key + ">" + value + "</" + key + ">";
}

std::string node(const std::string& name, const std::string& content) {
    return "<" + name + ">" + content + "</" + name + ">";
}

std::string playlist(const std::string& mainEntries, const std::string& loops = {}) {
    return node("PARAMS", node("MAIN", entry("Unknown", "1") + mainEntries) + loops);
}

class PlaylistLoadTest : public ::testing::Test {
protected:
    testing::FakeServices services;
    std::unique_ptr<Sequence> sequence = std::make_unique<Sequence>();

    PlaylistLoadTest() { ClearLoops(sequence->loopTable); }

    // Reads the document into the sequence as a load does.
    void read(const std::string& document) {
        ParamIO io;
        std::istringstream in(document);
        io.ReadStream(in);
        ReadMainParams(io, *sequence, services.regional);
    }
    const LoopEntry& loop(std::uint8_t n) const { return sequence->loopTable.Loops[n]; }
};

TEST_F(PlaylistLoadTest, AnEmptyDocumentGivesTheLoadsOwnDefaultsWhateverWasThere) {
    MainParams& params = sequence->mainParams;
    setText(params.ScrollText, "old");
    setText(params.FileLogo, "/old.jpg");
    params.xLogo = params.yLogo = params.xClock = params.yClock = 7;
    params.TimeZoneIndex = 5;
    params.Scroll = params.ShowText = params.ShowDate = 1;
    params.TextColor = params.BackColor = 9;
    params.Rotation = 2;
    AddLoop(sequence->loopTable);

    read("");

    EXPECT_EQ(textOf(params.ScrollText), "");
    EXPECT_EQ(textOf(params.FileLogo), "");
    EXPECT_EQ((std::array{params.xLogo, params.yLogo, params.xClock, params.yClock}),
              (std::array<std::int16_t, 4>{}));
    EXPECT_EQ(params.TimeZoneIndex, 0);
    EXPECT_EQ(params.EnableDST, 1);
    EXPECT_EQ(params.Scroll, 0);
    EXPECT_EQ(params.ShowText, 0);
    EXPECT_EQ(params.ShowDate, 0);
    EXPECT_EQ(params.ShowTime, 1);
    EXPECT_EQ(params.TextColor, 0);
    EXPECT_EQ(params.BackColor, 1);
    EXPECT_EQ(params.Rotation, 0);
    EXPECT_EQ(GetLoopCount(sequence->loopTable), 1) << "the caller starts from an empty table";
}

TEST_F(PlaylistLoadTest, LoopsAndItemsTheFileDoesNotDescribeTakeTheLoadsDefaults) {
    read(playlist(entry("LoopCount", "3"),
                  node("LOOP0", entry("Name", "Morning") + entry("nItems", "1") +
                                    node("IMAGE_ITEM0", entry("FileName", "/a.jpg")))));

    ASSERT_EQ(GetLoopCount(sequence->loopTable), 3);
    EXPECT_EQ(textOf(loop(0).Name), "Morning");
    const ImageItem& item = loop(0).Items[0];
    EXPECT_EQ(textOf(item.FileName), "/a.jpg");
    EXPECT_EQ(item.Duration, kDefaultDuration);
    EXPECT_EQ(item.bDuration, 0);
    EXPECT_EQ(item.Checked, 0);
    EXPECT_EQ(item.Position, 0);
    for (const std::uint8_t n : {std::uint8_t{1}, std::uint8_t{2}}) {
        const LoopEntry& empty = loop(n);
        EXPECT_EQ(textOf(empty.Name), "");
        EXPECT_EQ((std::array{empty.bDateIni, empty.bDateEnd, empty.bTimeIni, empty.bTimeEnd,
                              empty.bWeekDay, empty.bMonthDay, empty.Loop, empty.Checked}),
                  (std::array<std::uint8_t, 8>{}));
        EXPECT_EQ((std::array{empty.DateIni, empty.DateEnd, empty.TimeIni, empty.TimeEnd}),
                  (std::array<TDateTime, 4>{}));
        EXPECT_EQ((std::array{empty.WeekDay, empty.MonthDay, empty.nItems, empty.Event}),
                  (std::array<std::uint8_t, 4>{}));
    }
}

TEST_F(PlaylistLoadTest, TheLoopCountIsAnEightBitNumberAndNeverMoreThanTheTableHolds) {
    std::string loops;
    for (int n = 0; n < 200; ++n) {
        loops += node("LOOP" + std::to_string(n), entry("Name", "L" + std::to_string(n)));
    }
    const std::pair<const char*, int> cases[] = {
        {"0", 0},   {"5", 5},   {"128", 128}, {"200", 128}, {"300", 44},
        {"256", 0}, {"abc", 0}, {"-1", 128},  {"", 0},
    };
    for (const auto& [count, expected] : cases) {
        ClearLoops(sequence->loopTable);
        read(playlist(entry("LoopCount", count), loops));
        ASSERT_EQ(GetLoopCount(sequence->loopTable), expected) << count;
        if (expected > 0) {
            const auto last = static_cast<std::uint8_t>(expected - 1);
            EXPECT_EQ(textOf(loop(last).Name), "L" + std::to_string(last)) << count;
        }
    }
}

TEST_F(PlaylistLoadTest, NumbersKeepTheLowBitsOfTheirFieldAndFlagsAreOneOnlyForOne) {
    enum class Node { kMain, kLoop, kItem };
    struct Case {
        Node node;
        const char* key;
        const char* text;
        long long expected;
    };
    const Case cases[] = {
        {Node::kMain, "TextColor", "300", 44},
        {Node::kMain, "TextColor", "4294967296", 0},
        {Node::kMain, "BackColor", "abc", 1},
        {Node::kMain, "BackColor", "4294967295", 255},
        {Node::kMain, "TimeZoneIndex", "4294967295", -1},
        {Node::kMain, "TimeZoneIndex", "95", 95},
        {Node::kMain, "xLogo", "4294967291", -5},
        {Node::kMain, "yLogo", "65536", 0},
        {Node::kMain, "xClock", "32768", -32768},
        {Node::kMain, "yClock", " 576", 576},
        {Node::kMain, "Rotation", "7", 7},
        {Node::kMain, "ShowTime", "abc", 1},
        {Node::kMain, "ShowTime", "0", 0},
        {Node::kMain, "Scroll", "abc", 0},
        {Node::kMain, "Scroll", "2", 0},
        {Node::kMain, "Scroll", "1 and more", 1},
        {Node::kMain, "EnableDST", "", 1},
        {Node::kMain, "EnableDST", "257", 0},
        {Node::kLoop, "Checked", "2", 0},
        {Node::kLoop, "Loop", "1", 1},
        {Node::kLoop, "WeekDay", "9", 9},
        {Node::kLoop, "MonthDay", "300", 44},
        {Node::kLoop, "Event", "99", 99},
        {Node::kItem, "Position", "260", 4},
        {Node::kItem, "Position", "9", 9},
        {Node::kItem, "bDuration", "1", 1},
    };
    for (const Case& c : cases) {
        const std::string key = c.key;
        const std::string value = entry(key, c.text);
        const auto in = [&](Node where) {
            return c.node == where ? value : std::string();
        };
        ClearLoops(sequence->loopTable);
        read(playlist(in(Node::kMain) + entry("LoopCount", "1"),
                      node("LOOP0", entry("nItems", "1") + in(Node::kLoop) +
                                        node("IMAGE_ITEM0", in(Node::kItem) + "<x>1</x>"))));
        const MainParams& p = sequence->mainParams;
        const LoopEntry& l = loop(0);
        const ImageItem& i = l.Items[0];
        const std::map<std::string, long long> fields = {
            {"TextColor", p.TextColor},
            {"BackColor", p.BackColor},
            {"TimeZoneIndex", p.TimeZoneIndex},
            {"xLogo", p.xLogo},
            {"yLogo", p.yLogo},
            {"xClock", p.xClock},
            {"yClock", p.yClock},
            {"Rotation", p.Rotation},
            {"ShowTime", p.ShowTime},
            {"Scroll", p.Scroll},
            {"EnableDST", p.EnableDST},
            {"Checked", l.Checked},
            {"Loop", l.Loop},
            {"WeekDay", l.WeekDay},
            {"MonthDay", l.MonthDay},
            {"Event", l.Event},
            {"Position", i.Position},
            {"bDuration", i.bDuration},
        };
        EXPECT_EQ(fields.at(key), c.expected) << key << " = \"" << c.text << '"';
    }
}

TEST_F(PlaylistLoadTest, ItemCountsBeyondTheLoopsSlotsReadOnlyTheSlotsThereAre) {
    std::string items;
    for (int m = 0; m < 255; ++m) {
        items += node("IMAGE_ITEM" + std::to_string(m), entry("FileName", std::to_string(m)));
    }
    for (const char* count : {"200", "255", "4294967295"}) {
        ClearLoops(sequence->loopTable);
        read(playlist(entry("LoopCount", "1"), node("LOOP0", entry("nItems", count) + items)));
        EXPECT_EQ(loop(0).nItems, 128) << count;
        EXPECT_EQ(textOf(loop(0).Items[127].FileName), "127") << count;
    }
}

TEST_F(PlaylistLoadTest, TextsComeWholeAndAreCutToWhatTheirFieldHolds) {
    const std::string spaced = "  Open \xE9very day  ";
    const std::string longText(100, 'z');
    read(playlist(entry("ScrollText", spaced) + entry("FileLogo", longText) +
                      entry("LoopCount", "1"),
                  node("LOOP0", entry("Name", longText) + entry("nItems", "1") +
                                    node("IMAGE_ITEM0", entry("FileName", spaced + longText)))));
    EXPECT_EQ(textOf(sequence->mainParams.ScrollText), spaced);
    EXPECT_EQ(textOf(sequence->mainParams.FileLogo), longText.substr(0, 63));
    EXPECT_EQ(textOf(loop(0).Name), longText.substr(0, 63));
    EXPECT_EQ(textOf(loop(0).Items[0].FileName), (spaced + longText).substr(0, 63));
}

TEST_F(PlaylistLoadTest, DatesAndTimesConvertUnderTheGivenFormat) {
    services.regional.twelveHour = true;
    services.regional.hourLeadingZero = false;
    services.regional.amDesignator = "AM";
    services.regional.pmDesignator = "PM";
    read(playlist(entry("LoopCount", "1"),
                  node("LOOP0", entry("DateIni", "26/11/2009") +
                                    entry("DateEnd", "26/11/2009 2:30:00 PM") +
                                    entry("TimeIni", "2:30:00 PM") +
                                    entry("TimeEnd", "12:00:05 AM") + entry("nItems", "2") +
                                    node("IMAGE_ITEM0", entry("Duration", "12:01:40 AM")) +
                                    node("IMAGE_ITEM1", entry("FileName", "/b.jpg")))));
    EXPECT_EQ(loop(0).DateIni, encodeDate({2009, 11, 26}));
    EXPECT_EQ(loop(0).DateEnd, encodeDate({2009, 11, 26}) + encodeTime({14, 30, 0}));
    EXPECT_EQ(loop(0).TimeIni, encodeTime({14, 30, 0}));
    EXPECT_EQ(loop(0).TimeEnd, encodeTime({0, 0, 5}));
    EXPECT_EQ(loop(0).Items[0].Duration, encodeTime({0, 1, 40}));
    EXPECT_EQ(loop(0).Items[1].Duration, kDefaultDuration);
}

TEST_F(PlaylistLoadTest, ATextThatIsNoDateOrTimeStopsTheReadWithItsText) {
    const std::pair<std::string, std::string> cases[] = {
        {entry("DateIni", "11/26/2009"), "'11/26/2009' is not a valid date and time"},
        {entry("TimeEnd", ""), "'' is not a valid date and time"},
        {entry("nItems", "1") + node("IMAGE_ITEM0", entry("Duration", "d\xE9"
                                                                      "j\xE0 vu")),
         "'d\xC3\xA9j\xC3\xA0 vu' is not a valid date and time"},
    };
    for (const auto& [loopEntries, message] : cases) {
        ClearLoops(sequence->loopTable);
        try {
            read(playlist(entry("LoopCount", "1"), node("LOOP0", loopEntries)));
            ADD_FAILURE() << "no error for " << loopEntries;
        } catch (const DateTimeConversionError& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
}

TEST_F(PlaylistLoadTest, SingleReadersTouchNoSlotThatIsNotInUse) {
    ParamIO io;
    std::istringstream in(playlist(entry("LoopCount", "1"),
                                   node("LOOP1", entry("Name", "x")) +
                                       node("LOOP0", node("IMAGE_ITEM0", entry("FileName", "y")))));
    io.ReadStream(in);
    AddLoop(sequence->loopTable);
    const Sequence before = *sequence;
    ReadLoop(io, sequence->loopTable, 1, services.regional);
    ReadImageItem(io, sequence->loopTable, 0, 0, services.regional);
    ReadImageItem(io, sequence->loopTable, 1, 0, services.regional);
    EXPECT_EQ(textOf(loop(1).Name), textOf(before.loopTable.Loops[1].Name));
    EXPECT_EQ(textOf(loop(0).Items[0].FileName), "");
    EXPECT_EQ(GetLoopCount(sequence->loopTable), 1);
}

} // namespace
} // namespace orvex
