#include "param/param_io.h"
#include "param/text_file.h"
#include "test_support.h"

#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <new>
#include <string>
#include <sys/resource.h>
#include <unistd.h>

namespace orvex {
namespace {

namespace fs = std::filesystem;
using test::writtenText;

class ParamFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("orvex_param_" + std::to_string(::getpid()) + "_" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    fs::path file(const char* name) const { return m_folder / name; }

    static std::string bytesOf(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static void putBytes(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
    }

    std::size_t filesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(m_folder), fs::directory_iterator()));
    }

private:
    fs::path m_folder;
};

TEST_F(ParamFileTest, WritesCrLfLineEndsThroughToTheLastByte) {
    ParamIO io;
    io.SetValue("PARAMS:MAIN:ScrollText", "two\nlines");
    io.SetValue("PARAMS:MAIN:Scroll", 1);

    EXPECT_TRUE(io.WriteFile(file("playlist.xml")));
    EXPECT_EQ(bytesOf(file("playlist.xml")), "<PARAMS>\r\n"
                                             "\t<MAIN>\r\n"
                                             "\t\t<ScrollText>two\r\nlines</ScrollText>\r\n"
                                             "\t\t<Scroll>1</Scroll>\r\n"
                                             "\t</MAIN>\r\n"
                                             "</PARAMS>\r\n");
    EXPECT_EQ(filesInFolder(), 1U);
}

// A saved sequence of one loop with one image, with the values the playlist save sets, in its
// order. The date and time texts are those of a day/month/year, 24-hour regional setting.
TEST_F(ParamFileTest, WritesASavedSequenceByteForByte) {
    ParamIO io;
    io.SetValue("PARAMS:MAIN:ScrollText", "");
    io.SetValue("PARAMS:MAIN:Scroll", false);
    io.SetValue("PARAMS:MAIN:ShowText", false);
    io.SetValue("PARAMS:MAIN:ShowDate", false);
    io.SetValue("PARAMS:MAIN:ShowTime", true);
    io.SetValue("PARAMS:MAIN:TextColor", std::uint8_t{2});
    io.SetValue("PARAMS:MAIN:BackColor", std::uint8_t{0});
    io.SetValue("PARAMS:MAIN:TimeZoneIndex", std::uint8_t{31});
    io.SetValue("PARAMS:MAIN:EnableDST", true);
    io.SetValue("PARAMS:MAIN:FileLogo", "");
    io.SetValue("PARAMS:MAIN:xLogo", 0);
    io.SetValue("PARAMS:MAIN:yLogo", 0);
    io.SetValue("PARAMS:MAIN:xClock", 0);
    io.SetValue("PARAMS:MAIN:yClock", 0);
    io.SetValue("PARAMS:MAIN:Rotation", std::uint8_t{0});
    io.SetValue("PARAMS:MAIN:LoopCount", std::uint8_t{1});
    io.SetValue("PARAMS:LOOP0:Name", "Loop0");
    for (const char* flag :
         {"bDateIni", "bDateEnd", "bTimeIni", "bTimeEnd", "bWeekDay", "bMonthDay"}) {
        io.SetValue(std::string("PARAMS:LOOP0:") + flag, false);
    }
    io.SetValue("PARAMS:LOOP0:Loop", true);
    io.SetValue("PARAMS:LOOP0:Checked", true);
    io.SetValue("PARAMS:LOOP0:DateIni", "26/11/2009");
    io.SetValue("PARAMS:LOOP0:DateEnd", "26/11/2009");
    io.SetValue("PARAMS:LOOP0:TimeIni", "09:30:00");
    io.SetValue("PARAMS:LOOP0:TimeEnd", "09:30:00");
    io.SetValue("PARAMS:LOOP0:WeekDay", std::uint8_t{0});
    io.SetValue("PARAMS:LOOP0:MonthDay", std::uint8_t{1});
    io.SetValue("PARAMS:LOOP0:nItems", std::uint8_t{1});
    io.SetValue("PARAMS:LOOP0:Event", std::uint8_t{0});
    io.SetValue("PARAMS:LOOP0:IMAGE_ITEM0:FileName", "/photo1.jpg");
    io.SetValue("PARAMS:LOOP0:IMAGE_ITEM0:Duration", "00:00:10");
    io.SetValue("PARAMS:LOOP0:IMAGE_ITEM0:bDuration", true);
    io.SetValue("PARAMS:LOOP0:IMAGE_ITEM0:Position", std::uint8_t{0});
    io.SetValue("PARAMS:LOOP0:IMAGE_ITEM0:Checked", true);

    ASSERT_TRUE(io.WriteFile(file("playlist.xml")));
    EXPECT_EQ(bytesOf(file("playlist.xml")), "<PARAMS>\r\n"
                                             "\t<MAIN>\r\n"
                                             "\t\t<ScrollText></ScrollText>\r\n"
                                             "\t\t<Scroll>0</Scroll>\r\n"
                                             "\t\t<ShowText>0</ShowText>\r\n"
                                             "\t\t<ShowDate>0</ShowDate>\r\n"
                                             "\t\t<ShowTime>1</ShowTime>\r\n"
                                             "\t\t<TextColor>2</TextColor>\r\n"
                                             "\t\t<BackColor>0</BackColor>\r\n"
                                             "\t\t<TimeZoneIndex>31</TimeZoneIndex>\r\n"
                                             "\t\t<EnableDST>1</EnableDST>\r\n"
                                             "\t\t<FileLogo></FileLogo>\r\n"
                                             "\t\t<xLogo>0</xLogo>\r\n"
                                             "\t\t<yLogo>0</yLogo>\r\n"
                                             "\t\t<xClock>0</xClock>\r\n"
                                             "\t\t<yClock>0</yClock>\r\n"
                                             "\t\t<Rotation>0</Rotation>\r\n"
                                             "\t\t<LoopCount>1</LoopCount>\r\n"
                                             "\t</MAIN>\r\n"
                                             "\t<LOOP0>\r\n"
                                             "\t\t<Name>Loop0</Name>\r\n"
                                             "\t\t<bDateIni>0</bDateIni>\r\n"
                                             "\t\t<bDateEnd>0</bDateEnd>\r\n"
                                             "\t\t<bTimeIni>0</bTimeIni>\r\n"
                                             "\t\t<bTimeEnd>0</bTimeEnd>\r\n"
                                             "\t\t<bWeekDay>0</bWeekDay>\r\n"
                                             "\t\t<bMonthDay>0</bMonthDay>\r\n"
                                             "\t\t<Loop>1</Loop>\r\n"
                                             "\t\t<Checked>1</Checked>\r\n"
                                             "\t\t<DateIni>26/11/2009</DateIni>\r\n"
                                             "\t\t<DateEnd>26/11/2009</DateEnd>\r\n"
                                             "\t\t<TimeIni>09:30:00</TimeIni>\r\n"
                                             "\t\t<TimeEnd>09:30:00</TimeEnd>\r\n"
                                             "\t\t<WeekDay>0</WeekDay>\r\n"
                                             "\t\t<MonthDay>1</MonthDay>\r\n"
                                             "\t\t<nItems>1</nItems>\r\n"
                                             "\t\t<Event>0</Event>\r\n"
                                             "\t\t<IMAGE_ITEM0>\r\n"
                                             "\t\t\t<FileName>/photo1.jpg</FileName>\r\n"
                                             "\t\t\t<Duration>00:00:10</Duration>\r\n"
                                             "\t\t\t<bDuration>1</bDuration>\r\n"
                                             "\t\t\t<Position>0</Position>\r\n"
                                             "\t\t\t<Checked>1</Checked>\r\n"
                                             "\t\t</IMAGE_ITEM0>\r\n"
                                             "\t</LOOP0>\r\n"
                                             "</PARAMS>\r\n");
}

TEST_F(ParamFileTest, ReplacesALongerFileWhole) {
    putBytes(file("playlist.xml"), std::string(10000, 'x'));
    ParamIO io;
    io.SetValue("P:N:V", "1");

    EXPECT_TRUE(io.WriteFile(file("playlist.xml")));
    EXPECT_EQ(bytesOf(file("playlist.xml")), "<P>\r\n\t<N>\r\n\t\t<V>1</V>\r\n\t</N>\r\n</P>\r\n");
    EXPECT_EQ(filesInFolder(), 1U);
}

TEST_F(ParamFileTest, ReportsWhyAFileCannotBeWrittenAndLeavesNothingBehind) {
    ParamIO io;
    io.SetValue("P:N:V", "1");

    const FileResult noFolder = io.WriteFile(file("missing folder") / "playlist.xml");
    EXPECT_EQ(noFolder.status, FileResult::Status::kNotFound);
    EXPECT_EQ(noFolder.reason, "No such file or directory");

    fs::create_directory(file("playlist.xml"));
    const FileResult folder = io.WriteFile(file("playlist.xml"));
    EXPECT_EQ(folder.status, FileResult::Status::kFailed);
    EXPECT_EQ(folder.reason, "Is a directory");
    EXPECT_TRUE(fs::is_directory(file("playlist.xml")));
    EXPECT_EQ(filesInFolder(), 1U);
}

// Holds the process's file size limit low for one scope, so that a write fails part way.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit limited = m_old;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST_F(ParamFileTest, AWriteThatFailsPartWayKeepsTheOldFile) {
    const std::string old = "<P>\r\n\t<N>\r\n\t\t<V>old</V>\r\n\t</N>\r\n</P>\r\n";
    putBytes(file("playlist.xml"), old);
    ParamIO io;
    io.SetValue("P:N:V", std::string(100000, 'n'));

    FileResult result;
    {
        const FileSizeLimit limit(4096);
        result = io.WriteFile(file("playlist.xml"));
    }
    EXPECT_EQ(result.status, FileResult::Status::kFailed);
    EXPECT_EQ(result.reason, "File too large");
    EXPECT_EQ(bytesOf(file("playlist.xml")), old);
    EXPECT_EQ(filesInFolder(), 1U);
}

TEST_F(ParamFileTest, AWriteCutShortByAnExceptionKeepsTheOldFileAndLeavesNothingBehind) {
    const std::string old = "<P>\r\n</P>\r\n";
    putBytes(file("playlist.xml"), old);

    EXPECT_THROW(replaceTextFile(file("playlist.xml"),
                                 [](const TextPieces& write) {
                                     write(std::string(100000, 'x'));
                                     throw std::bad_alloc();
                                 }),
                 std::bad_alloc);
    EXPECT_EQ(bytesOf(file("playlist.xml")), old);
    EXPECT_EQ(filesInFolder(), 1U);
}

TEST_F(ParamFileTest, ReadsCrLfPairsAsLineFeedsAndKeepsLoneCarriageReturns) {
    putBytes(file("playlist.xml"),
             "<P>\r\n\t<N>\r\n\t\t<Text>a\r\nb\rc</Text>\r\n\t\t<V>7</V>\r\n\t</N>\r\n</P>\r\n");
    ParamIO io;
    EXPECT_TRUE(io.ReadFile(file("playlist.xml")));

    std::string text;
    EXPECT_TRUE(io.GetValue("P:N:Text", text));
    EXPECT_EQ(text, "a\nb\rc");
    std::uint32_t number = 0;
    EXPECT_TRUE(io.GetValue("P:N:V", number));
    EXPECT_EQ(number, 7U);
}

TEST_F(ParamFileTest, ReadsBackWhatItWrote) {
    ParamIO saved;
    saved.SetValue("PARAMS:MAIN:ScrollText", "line\nbreak\r\nand\rreturn");
    saved.SetValue("PARAMS:LOOP0:IMAGE_ITEM0:FileName", "/a b.jpg");
    ASSERT_TRUE(saved.WriteFile(file("playlist.xml")));

    ParamIO loaded;
    EXPECT_TRUE(loaded.ReadFile(file("playlist.xml")));
    EXPECT_EQ(writtenText(loaded), writtenText(saved));
}

TEST_F(ParamFileTest, TellsAMissingFileFromOneThatCannotBeReadAndLeavesTheTreeAsItWas) {
    ParamIO io;
    io.SetValue("P:N:V", "kept");
    const std::string before = writtenText(io);

    const FileResult absent = io.ReadFile(file("absent.xml"));
    EXPECT_EQ(absent.status, FileResult::Status::kNotFound);
    EXPECT_EQ(absent.reason, "No such file or directory");

    fs::create_directory(file("folder.xml"));
    const FileResult folder = io.ReadFile(file("folder.xml"));
    EXPECT_EQ(folder.status, FileResult::Status::kFailed);
    EXPECT_EQ(folder.reason, "Is a directory");
    EXPECT_EQ(writtenText(io), before);
}

TEST_F(ParamFileTest, RefusesAFileTooLargeForTheReaderBeforeReadingIt) {
    ParamIO io;
    io.SetValue("P:N:V", "kept");
    const std::string before = writtenText(io);
    { std::ofstream(file("huge.xml")) << "<P>"; }
    // Sparse: the file system holds almost nothing of it.
    fs::resize_file(file("huge.xml"), std::uintmax_t{5} << 30);

    const FileResult result = io.ReadFile(file("huge.xml"));
    EXPECT_EQ(result.status, FileResult::Status::kFailed);
    EXPECT_EQ(result.reason, "File too large");
    EXPECT_EQ(writtenText(io), before);
}

TEST_F(ParamFileTest, AnEmptyFileGivesAnEmptyTree) {
    putBytes(file("playlist.xml"), "");
    ParamIO io;
    io.SetValue("P:N:V", "gone");

    EXPECT_TRUE(io.ReadFile(file("playlist.xml")));
    EXPECT_EQ(writtenText(io), "<>\n</>\n");
}

} // namespace
} // namespace orvex
