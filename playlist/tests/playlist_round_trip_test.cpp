#include "platform/tests/fake_services.h"
#include "playlist/playlist_file.h"
#include "playlist/tests/full_sequence.h"
#include "playlist/tests/test_files.h"

#include <gtest/gtest.h>
#include <string>

namespace orvex {
namespace {

void expectSameSettings(const MainParams& saved, const MainParams& loaded) {
    EXPECT_EQ(textOf(loaded.ScrollText), textOf(saved.ScrollText));
    EXPECT_EQ(textOf(loaded.FileLogo), textOf(saved.FileLogo));
    EXPECT_EQ(loaded.xLogo, saved.xLogo);
    EXPECT_EQ(loaded.yLogo, saved.yLogo);
    EXPECT_EQ(loaded.xClock, saved.xClock);
    EXPECT_EQ(loaded.yClock, saved.yClock);
    EXPECT_EQ(loaded.TimeZoneIndex, saved.TimeZoneIndex);
    EXPECT_EQ(loaded.EnableDST, saved.EnableDST);
    EXPECT_EQ(loaded.Scroll, saved.Scroll);
    EXPECT_EQ(loaded.ShowText, saved.ShowText);
    EXPECT_EQ(loaded.ShowDate, saved.ShowDate);
    EXPECT_EQ(loaded.ShowTime, saved.ShowTime);
    EXPECT_EQ(loaded.TextColor, saved.TextColor);
    EXPECT_EQ(loaded.BackColor, saved.BackColor);
    EXPECT_EQ(loaded.Rotation, saved.Rotation);
}

// Dates count to the day and times to the second; whatever else a picker left in them is not
// part of the sequence.
void expectSameLoop(const LoopEntry& saved, const LoopEntry& loaded) {
    EXPECT_EQ(textOf(loaded.Name), textOf(saved.Name));
    EXPECT_EQ(loaded.bDateIni, saved.bDateIni);
    EXPECT_EQ(loaded.bDateEnd, saved.bDateEnd);
    EXPECT_EQ(loaded.bTimeIni, saved.bTimeIni);
    EXPECT_EQ(loaded.bTimeEnd, saved.bTimeEnd);
    EXPECT_EQ(loaded.bWeekDay, saved.bWeekDay);
    EXPECT_EQ(loaded.bMonthDay, saved.bMonthDay);
    EXPECT_EQ(loaded.Loop, saved.Loop);
    EXPECT_EQ(loaded.Checked, saved.Checked);
    EXPECT_EQ(dayNumberOf(loaded.DateIni), dayNumberOf(saved.DateIni));
    EXPECT_EQ(dayNumberOf(loaded.DateEnd), dayNumberOf(saved.DateEnd));
    EXPECT_EQ(secondOfDay(loaded.TimeIni), secondOfDay(saved.TimeIni));
    EXPECT_EQ(secondOfDay(loaded.TimeEnd), secondOfDay(saved.TimeEnd));
    EXPECT_EQ(loaded.WeekDay, saved.WeekDay);
    EXPECT_EQ(loaded.MonthDay, saved.MonthDay);
    EXPECT_EQ(loaded.Event, saved.Event);
    ASSERT_EQ(loaded.nItems, saved.nItems);
    for (int m = 0; m < saved.nItems; ++m) {
        const ImageItem& a = saved.Items[static_cast<std::size_t>(m)];
        const ImageItem& b = loaded.Items[static_cast<std::size_t>(m)];
        EXPECT_EQ(textOf(b.FileName), textOf(a.FileName)) << "item " << m;
        EXPECT_EQ(secondOfDay(b.Duration), secondOfDay(a.Duration)) << "item " << m;
        EXPECT_EQ(b.bDuration, a.bDuration) << "item " << m;
        EXPECT_EQ(b.Checked, a.Checked) << "item " << m;
        EXPECT_EQ(b.Position, a.Position) << "item " << m;
    }
}

struct LocaleCase {
    const char* locale;
    const char* sample; // a line only this locale's conventions write
};

class PlaylistRoundTripTest : public ::testing::TestWithParam<LocaleCase> {
protected:
    testing::FakeServices services;
    testing::TempFolder folder;
};

TEST_P(PlaylistRoundTripTest, AFullSequenceComesBackAndSavesToTheSameBytes) {
    const RegionalFormat format = regionalFormatOfLocale(GetParam().locale);
    const auto saved = testing::fullSequence();
    const auto first = folder / "first.xml";
    ASSERT_TRUE(savePlaylist(*saved, format, first));
    const std::string bytes = testing::fileBytes(first);
    ASSERT_NE(bytes.find(GetParam().sample), std::string::npos) << "locale not in force";

    const LoadResult loaded = loadPlaylist(first, format);
    ASSERT_EQ(loaded.failure, LoadFailure::kNone) << loaded.message;
    expectSameSettings(saved->mainParams, loaded.sequence->mainParams);
    ASSERT_EQ(loaded.sequence->loopTable.LoopCount, saved->loopTable.LoopCount);
    for (std::size_t n = 0; n < kMaxLoops; ++n) {
        SCOPED_TRACE("loop " + std::to_string(n));
        expectSameLoop(saved->loopTable.Loops[n], loaded.sequence->loopTable.Loops[n]);
    }

    const auto second = folder / "second.xml";
    ASSERT_TRUE(savePlaylist(*loaded.sequence, format, second));
    EXPECT_TRUE(testing::fileBytes(second) == bytes) << "a loaded file saves to other bytes";
}

INSTANTIATE_TEST_SUITE_P(
    Locales, PlaylistRoundTripTest,
    ::testing::Values(LocaleCase{"en_US.UTF-8", "<TimeIni>01:31:49 PM</TimeIni>"},
                      LocaleCase{"en_GB.UTF-8", "<DateIni>01/01/1990</DateIni>"},
                      LocaleCase{"es_ES.UTF-8", "<TimeIni>13:31:49</TimeIni>"},
                      LocaleCase{"de_DE.UTF-8", "<DateIni>01.01.1990</DateIni>"}),
    [](const auto& test) { return std::string(test.param.locale).substr(0, 5); });

} // namespace
} // namespace orvex
