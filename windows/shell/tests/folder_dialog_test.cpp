#include "windows/shell/folder_dialog.h"

#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace orvex {
namespace {

// The real dialog, with the question about a missing folder answered by the test.
class ScriptedFolderDialog final : public FolderDialog {
public:
    using FolderDialog::FolderDialog;

    bool answer = true;
    QStringList questions;
    QStringList failures;

protected:
    bool confirmCreate(const QString& folder) override {
        questions << folder;
        return answer;
    }
    void reportNotCreated(const QString& folder) override { failures << folder; }
};

class FolderDialogTest : public ::testing::Test {
protected:
    QTemporaryDir temp;
    ScriptedFolderDialog dialog{nullptr, temp.path()};

    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        dialog.show();
    }

    // Types a folder name and presses Return, as the user does; Qt greys "Choose" out while
    // the typed folder does not exist, so Return is the way to confirm a new one.
    void choose(const QString& typed) {
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setFocus();
        name->selectAll();
        QTest::keyClicks(name, typed);
        QTest::keyClick(name, Qt::Key_Return);
    }

    QString inTemp(const QString& name) const { return temp.path() + QLatin1Char('/') + name; }
};

TEST_F(FolderDialogTest, ATypedNewFolderIsCreatedOnceTheUserAgrees) {
    choose(QStringLiteral("Summer Show"));

    EXPECT_EQ(dialog.questions, QStringList{inTemp("Summer Show")});
    EXPECT_TRUE(QDir(inTemp("Summer Show")).exists());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.selectedFiles().value(0), inTemp("Summer Show"));
}

TEST_F(FolderDialogTest, DecliningKeepsTheDialogOpenAndCreatesNothing) {
    dialog.answer = false;
    choose(QStringLiteral("Summer Show"));

    EXPECT_EQ(dialog.questions.size(), 1);
    EXPECT_FALSE(QDir(inTemp("Summer Show")).exists());
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(FolderDialogTest, AFolderThatCannotBeMadeIsReportedAndTheDialogStaysOpen) {
    // No file system takes a name this long.
    const QString tooLong(300, QLatin1Char('x'));
    choose(tooLong);

    EXPECT_EQ(dialog.questions, QStringList{inTemp(tooLong)});
    EXPECT_EQ(dialog.failures, QStringList{inTemp(tooLong)});
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_NE(dialog.result(), QDialog::Accepted);
}

TEST_F(FolderDialogTest, AnExistingFolderIsTakenWithoutAQuestion) {
    ASSERT_TRUE(QDir(temp.path()).mkdir(QStringLiteral("Winter")));
    choose(QStringLiteral("Winter"));

    EXPECT_TRUE(dialog.questions.isEmpty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedFiles().value(0), inTemp("Winter"));
}

} // namespace
} // namespace orvex
