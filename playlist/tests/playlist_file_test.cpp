#include "model/store.h"
#include "platform/tests/fake_services.h"
#include "playlist/playlist_file.h"
#include "playlist/tests/test_files.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace orvex {
namespace {

class PlaylistFileTest : public ::testing::Test {
protected:
    testing::FakeServices services;
    testing::TempFolder folder;
    std::unique_ptr<Sequence> sequence = std::make_unique<Sequence>();

    PlaylistFileTest() {
        ClearLoops(sequence->loopTable);
        ResetConfig(sequence->mainParams);
        setText(AddLoop(sequence->loopTable)->Name, "Loop0");
    }
};

TEST_F(PlaylistFileTest, ASaveThatCannotWriteSaysWhyAndLeavesWhatIsThere) {
    const auto missingFolder = folder / "missing";
    const FileResult missing =
        savePlaylist(*sequence, services.regional, missingFolder / kPlaylistFileName);
    EXPECT_FALSE(missing);
    EXPECT_FALSE(missing.reason.empty());
    EXPECT_FALSE(std::filesystem::exists(missingFolder));

    // A folder where the file should be cannot be replaced; what it holds stays.
    const auto blocked = folder / kPlaylistFileName;
    std::filesystem::create_directory(blocked);
    testing::writeBytes(blocked / "keep.txt", "kept");
    const FileResult result = savePlaylist(*sequence, services.regional, blocked);
    EXPECT_FALSE(result);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(testing::fileBytes(blocked / "keep.txt"), "kept");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1)
        << "nothing is left behind";
}

TEST_F(PlaylistFileTest, ASaveReplacesTheFileWhole) {
    const auto file = folder / kPlaylistFileName;
    testing::writeBytes(file, std::string(100000, 'x'));
    ASSERT_TRUE(savePlaylist(*sequence, services.regional, file));
    const std::string bytes = testing::fileBytes(file);
    EXPECT_EQ(bytes.substr(0, 10), "<PARAMS>\r\n");
    EXPECT_EQ(bytes.substr(bytes.size() - 11), "</PARAMS>\r\n");
}

TEST_F(PlaylistFileTest, AFileThatDoesNotExistLoadsAsAnEmptySequenceWithTheLoadDefaults) {
    const LoadResult result = loadPlaylist(folder / kPlaylistFileName, services.regional);
    ASSERT_EQ(result.failure, LoadFailure::kNone);
    ASSERT_NE(result.sequence, nullptr);
    EXPECT_EQ(GetLoopCount(result.sequence->loopTable), 0);
    EXPECT_EQ(result.sequence->mainParams.BackColor, 1);
    EXPECT_EQ(result.sequence->mainParams.ShowTime, 1);
}

TEST_F(PlaylistFileTest, AFileThatExistsButCannotBeReadGivesNoSequenceAndTheReason) {
    const auto notAFile = folder / kPlaylistFileName;
    std::filesystem::create_directory(notAFile);
    const LoadResult result = loadPlaylist(notAFile, services.regional);
    EXPECT_EQ(result.failure, LoadFailure::kUnreadable);
    EXPECT_EQ(result.sequence, nullptr);
    EXPECT_FALSE(result.message.empty());
}

TEST_F(PlaylistFileTest, ADateThatDoesNotConvertGivesNoSequenceAndTheOffendingText) {
    // Saved under day/month/year, loaded under month/day/year: the 26th month does not exist.
    for (int n = 1; n < 4; ++n) {
        setText(AddLoop(sequence->loopTable)->Name, "Loop" + std::to_string(n));
    }
    const auto file = folder / kPlaylistFileName;
    ASSERT_TRUE(savePlaylist(*sequence, services.regional, file));
    RegionalFormat monthFirst = services.regional;
    monthFirst.dateOrder = DateOrder::MonthDayYear;

    const LoadResult result = loadPlaylist(file, monthFirst);
    EXPECT_EQ(result.failure, LoadFailure::kInvalidDateTime);
    EXPECT_EQ(result.sequence, nullptr);
    EXPECT_EQ(result.message, "'26/11/2009' is not a valid date and time");
}

} // namespace
} // namespace orvex
