#include "platform/startup_folder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace orvex {
namespace {

namespace fs = std::filesystem;

class StartupFolderTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() / ("orvex-startup-" + std::to_string(getpid()));
        fs::create_directories(m_folder);
    }
    void TearDown() override {
        fs::permissions(m_folder, fs::perms::owner_all);
        fs::remove_all(m_folder);
    }
    std::string folder() const { return m_folder.string(); }

private:
    fs::path m_folder;
};

TEST_F(StartupFolderTest, APortableCopyStartsInItsOwnFolder) {
    EXPECT_EQ(startupSequenceFolder(folder(), "/home/ana"), folder() + "/");
    EXPECT_EQ(startupSequenceFolder(folder() + "/", "/home/ana"), folder() + "/");
}

TEST_F(StartupFolderTest, AnInstalledCopyStartsInTheHomeFolder) {
    for (const char* installed : {"/usr/bin", "/usr/local/bin/", "/usr", "/no/such/folder"}) {
        EXPECT_EQ(startupSequenceFolder(installed, "/home/ana"), "/home/ana/") << installed;
        EXPECT_EQ(startupSequenceFolder(installed, "/home/ana/"), "/home/ana/") << installed;
    }
}

TEST_F(StartupFolderTest, AFolderTheUserCannotWriteToStartsInTheHomeFolder) {
    fs::permissions(folder(), fs::perms::owner_read | fs::perms::owner_exec);
    if (access(folder().c_str(), W_OK) == 0) {
        GTEST_SKIP() << "permissions do not bind this user";
    }
    EXPECT_EQ(startupSequenceFolder(folder(), "/home/ana"), "/home/ana/");
}

} // namespace
} // namespace orvex
