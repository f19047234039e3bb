#include "model/store.h"
#include "platform/tests/fake_services.h"
#include "playlist/playlist_file.h"
#include "windows/sequence_files/sequence_file_actions.h"
#include "windows/sequence_files/tests/fake_sequence_prompts.h"
#include "windows/sequence_files/tests/fake_sequence_window.h"
#include "windows/shell/tests/fake_choosers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <unistd.h>

namespace orvex {
namespace {

std::filesystem::path pathOf(const QString& file) {
    return {QFile::encodeName(file).toStdString()};
}

QByteArray bytesOf(const QString& file) {
    QFile in(file);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}

class SequenceFileActionsTest : public ::testing::Test {
protected:
    testing::FakeServices services;
    QTemporaryDir temp;
    QTemporaryDir scratch;
    QString folder = temp.path() + "/show/";
    QString otherFolder = temp.path() + "/other/";
    std::unique_ptr<Sequence> sequence = std::make_unique<Sequence>();
    testing::FakeSequenceWindow window{sequence->loopTable};
    testing::FakeChoosers choosers;
    testing::FakeSequencePrompts prompts;
    std::unique_ptr<SequenceFileActions> files;

    void SetUp() override {
        ASSERT_TRUE(QDir().mkpath(folder) && QDir().mkpath(otherFolder));
        ClearLoops(sequence->loopTable);
        ResetConfig(sequence->mainParams);
        window.SetSequenceFolder(folder);
        files = std::make_unique<SequenceFileActions>(*sequence, window, choosers, prompts);
    }

    // Edits as the user would: each new loop with one picture, then the list shows them.
    void addLoops(Sequence& target, int count) {
        for (int n = 0; n < count; ++n) {
            const auto index = GetLoopCount(target.loopTable);
            setText(AddLoop(target.loopTable)->Name, "Loop" + std::to_string(index));
            AddImageItem(target.loopTable, index, "/photo" + std::to_string(index) + ".jpg");
        }
        if (&target == sequence.get()) {
            window.RefreshLoopList();
            files->markModified();
        }
    }

    // A playlist of three loops in the other folder; the last loop's end date is 26/11/2009.
    QString otherPlaylist() {
        auto other = std::make_unique<Sequence>();
        ClearLoops(other->loopTable);
        ResetConfig(other->mainParams);
        other->mainParams.TextColor = 7;
        addLoops(*other, 3);
        for (std::uint8_t n = 0; n < 3; ++n) {
            setText(GetLoop(other->loopTable, n)->Name, std::string("ABC").substr(n, 1));
            GetLoop(other->loopTable, n)->DateIni = GetLoop(other->loopTable, n)->DateEnd =
                encodeDate({2009, 2, 1});
        }
        GetLoop(other->loopTable, 2)->DateEnd = encodeDate({2009, 11, 26});
        const QString file = otherFolder + "playlist.xml";
        EXPECT_TRUE(savePlaylist(*other, services.regional, pathOf(file)));
        return file;
    }

    // Every byte of the sequence, in the format the test starts with.
    QByteArray snapshot() {
        const QString file = scratch.path() + "/snapshot.xml";
        EXPECT_TRUE(savePlaylist(*sequence, RegionalFormat{}, pathOf(file)));
        return bytesOf(file);
    }

    QString playlistInFolder() const { return folder + "playlist.xml"; }
    QString title(const QString& shown) const {
        return testing::FakeSequenceWindow::kCaptionPrefix + shown + "[*]";
    }
};

TEST_F(SequenceFileActionsTest, SavingWritesThePlaylistIntoTheFolderAndClearsTheMarker) {
    addLoops(*sequence, 2);
    ASSERT_TRUE(window.window.isWindowModified());

    files->ButtonSaveClick();

    EXPECT_TRUE(prompts.errors.isEmpty());
    EXPECT_EQ(bytesOf(playlistInFolder()), snapshot());
    EXPECT_FALSE(files->isModified());
    EXPECT_FALSE(window.window.isWindowModified());
    EXPECT_EQ(window.window.windowTitle(), title(folder));
    EXPECT_FALSE(window.nextLoopNumber.has_value());
}

TEST_F(SequenceFileActionsTest, ASaveThatCannotWriteNamesTheFileAndTheReasonAndKeepsTheMarker) {
    addLoops(*sequence, 1);
    const QString missingFolder = temp.path() + "/gone/";
    const QString blockedFolder = temp.path() + "/blocked/";
    ASSERT_TRUE(QDir().mkpath(blockedFolder + "playlist.xml"));
    for (const QString& target : {missingFolder, blockedFolder}) {
        prompts.errors.clear();
        window.SetSequenceFolder(target);
        const QString file = target + "playlist.xml";
        const std::string reason = savePlaylist(*sequence, services.regional, pathOf(file)).reason;
        ASSERT_FALSE(reason.empty());

        files->ButtonSaveClick();

        EXPECT_EQ(prompts.errors,
                  QStringList{QString("The sequence could not be saved to \"%1\".\n%2")
                                  .arg(QDir::toNativeSeparators(file), reason.c_str())});
        EXPECT_TRUE(files->isModified());
        EXPECT_TRUE(window.window.isWindowModified());
    }
    EXPECT_FALSE(QDir(missingFolder).exists());
    EXPECT_TRUE(QDir(blockedFolder + "playlist.xml").exists());
}

TEST_F(SequenceFileActionsTest, LoadingReplacesTheSequenceAndMovesToTheFilesFolder) {
    const QString file = otherPlaylist();
    addLoops(*sequence, 5);
    prompts.answers = {UnsavedChoice::kDiscard};
    choosers.openReplies = {file};

    files->ButtonLoadClick();

    EXPECT_TRUE(prompts.errors.isEmpty());
    EXPECT_EQ(choosers.lastProposedPath, playlistInFolder());
    ASSERT_EQ(GetLoopCount(sequence->loopTable), 3);
    EXPECT_EQ(textOf(GetLoop(sequence->loopTable, 2)->Name), "C");
    EXPECT_EQ(sequence->mainParams.TextColor, 7);
    EXPECT_EQ(snapshot(), bytesOf(file));
    EXPECT_EQ(window.sequenceFolder(), otherFolder);
    EXPECT_EQ(window.window.windowTitle(), title(otherFolder));
    EXPECT_EQ(window.rows, 3);
    EXPECT_EQ(window.selectedRow, 0);
    EXPECT_EQ(window.nextLoopNumber, 3);
    EXPECT_FALSE(window.window.isWindowModified());
    EXPECT_FALSE(QFile::exists(playlistInFolder())) << "discarded work is not saved";
}

TEST_F(SequenceFileActionsTest, AFileThatDoesNotExistLoadsAnEmptySequenceInItsFolder) {
    addLoops(*sequence, 2);
    files->markUnmodified();
    choosers.openReplies = {otherFolder + "new.xml"};

    files->ButtonLoadClick();

    EXPECT_EQ(prompts.questions, 0);
    EXPECT_TRUE(prompts.errors.isEmpty());
    EXPECT_EQ(GetLoopCount(sequence->loopTable), 0);
    EXPECT_EQ(sequence->mainParams.BackColor, 1);
    EXPECT_EQ(window.sequenceFolder(), otherFolder);
    EXPECT_EQ(window.selectedRow, std::nullopt);
    EXPECT_EQ(window.nextLoopNumber, 0);
}

TEST_F(SequenceFileActionsTest, AFailedLoadShowsWhyAndChangesNothing) {
    const QString badDates = otherPlaylist();
    const QString folderAsFile = otherFolder + "folder.xml";
    ASSERT_TRUE(QDir().mkpath(folderAsFile));
    addLoops(*sequence, 2);
    const QByteArray before = snapshot();
    const std::string reason = loadPlaylist(pathOf(folderAsFile), services.regional).message;
    // Saved under day/month/year; read under month/day/year only its last date fails.
    services.regional.dateOrder = DateOrder::MonthDayYear;

    const std::pair<QString, QString> cases[] = {
        {badDates, "'26/11/2009' is not a valid date and time"},
        {folderAsFile, QString("The file \"%1\" cannot be read.\n%2")
                           .arg(QDir::toNativeSeparators(folderAsFile), reason.c_str())},
    };
    for (const auto& [file, message] : cases) {
        prompts.errors.clear();
        prompts.answers = {UnsavedChoice::kDiscard};
        choosers.openReplies = {file};
        const int refreshes = window.refreshes;

        files->ButtonLoadClick();

        EXPECT_EQ(prompts.errors, QStringList{message});
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(window.sequenceFolder(), folder);
        EXPECT_EQ(window.window.windowTitle(), title(folder));
        EXPECT_EQ(window.refreshes, refreshes);
        EXPECT_EQ(window.nextLoopNumber, std::nullopt);
        EXPECT_TRUE(window.window.isWindowModified());
    }
}

TEST_F(SequenceFileActionsTest, AFileWithoutReadPermissionChangesNothing) {
    if (::geteuid() == 0) {
        GTEST_SKIP() << "the superuser reads every file";
    }
    const QString file = otherPlaylist();
    QFile(file).setPermissions(QFileDevice::WriteOwner);
    choosers.openReplies = {file};
    files->ButtonLoadClick();
    ASSERT_EQ(prompts.errors.size(), 1);
    EXPECT_TRUE(prompts.errors[0].startsWith("The file \"" + QDir::toNativeSeparators(file)));
    EXPECT_EQ(window.sequenceFolder(), folder);
}

TEST_F(SequenceFileActionsTest, ACancelledLoadOnlySetsTheNextLoopNumber) {
    addLoops(*sequence, 2);
    const QByteArray before = snapshot();
    const std::pair<std::deque<UnsavedChoice>, bool> cases[] = {
        {{UnsavedChoice::kDiscard}, true}, // the dialog is cancelled
        {{UnsavedChoice::kCancel}, false}, // the question is, and no dialog shows
    };
    for (const auto& [answers, dialogShown] : cases) {
        prompts.answers = answers;
        choosers.lastProposedPath.clear();
        window.nextLoopNumber.reset();

        files->ButtonLoadClick();

        EXPECT_EQ(!choosers.lastProposedPath.isEmpty(), dialogShown);
        EXPECT_EQ(window.nextLoopNumber, 2);
        EXPECT_EQ(snapshot(), before);
        EXPECT_EQ(window.sequenceFolder(), folder);
        EXPECT_TRUE(files->isModified());
    }
}

TEST_F(SequenceFileActionsTest, TheQuestionComesOnlyForChangedWorkAndTheAnswerDecides) {
    struct Case {
        bool changed;
        UnsavedChoice answer;
        bool folderWritable;
        bool mayDiscard;
        bool saved;
    };
    const Case cases[] = {
        {false, UnsavedChoice::kCancel, true, true, false},
        {true, UnsavedChoice::kSave, true, true, true},
        {true, UnsavedChoice::kSave, false, false, false},
        {true, UnsavedChoice::kDiscard, true, true, false},
        {true, UnsavedChoice::kCancel, true, false, false},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(n);
        const QString target = temp.path() + "/case" + QString::number(n++) + "/";
        if (c.folderWritable) {
            QDir().mkpath(target);
        }
        window.SetSequenceFolder(target);
        c.changed ? files->markModified() : files->markUnmodified();
        prompts.answers = {c.answer};
        prompts.questions = 0;
        prompts.errors.clear();

        EXPECT_EQ(files->confirmDiscardChanges(), c.mayDiscard);

        EXPECT_EQ(prompts.questions, c.changed ? 1 : 0);
        EXPECT_EQ(QFile::exists(target + "playlist.xml"), c.saved);
        EXPECT_EQ(prompts.errors.size(), c.changed && !c.folderWritable ? 1 : 0);
        EXPECT_EQ(files->isModified(), c.changed && !c.saved);
        EXPECT_EQ(window.window.isWindowModified(), files->isModified());
    }
}

TEST_F(SequenceFileActionsTest, SavingChangesBeforeALoadKeepsThemInTheFormerFolder) {
    const QString file = otherPlaylist();
    addLoops(*sequence, 4);
    const QByteArray changed = snapshot();
    prompts.answers = {UnsavedChoice::kSave};
    choosers.openReplies = {file};

    files->ButtonLoadClick();

    EXPECT_EQ(bytesOf(playlistInFolder()), changed);
    EXPECT_EQ(GetLoopCount(sequence->loopTable), 3);
    EXPECT_EQ(window.sequenceFolder(), otherFolder);
}

} // namespace
} // namespace orvex
