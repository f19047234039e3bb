#include "jpeg/fixture/jpeg_writer.h"
#include "jpeg/fixture/sample_images.h"
#include "windows/add_image/unit_add_image.h"
#include "windows/main/checked_picker.h"
#include "windows/main/tests/editor_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTimer>

namespace orvex::testing {
namespace {

class ImageListTest : public EditorTest {
protected:
    void showLoop(int items) {
        addLoops(1, items);
        clickRow(loopList(), 0);
        changes = 0;
    }
    ImageItem& item(int index) { return loop(0).Items[static_cast<std::size_t>(index)]; }
    CheckedPicker* duration() { return child<CheckedPicker>("Duration"); }
    QComboBox* position() { return child<QComboBox>("Position"); }
};

TEST_F(ImageListTest, SelectedFilesAreAddedInListOrderWithTheDefaults) {
    showLoop(0);
    window->imageList().InsertSelectedFiles({"a.jpg", "b.JPG", "c.jpg"});
    ASSERT_EQ(rows(imageList()), 3);
    EXPECT_EQ(rowTexts(imageList(), 0), QStringList({"/a.jpg", "00:00:10", "CENTER"}));
    EXPECT_EQ(cell(imageList(), 1, 0), "/b.JPG");
    EXPECT_EQ(cell(imageList(), 2, 0), "/c.jpg");
    EXPECT_TRUE(isChecked(imageList(), 2));
    EXPECT_EQ(loop(0).nItems, 3);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(errors.isEmpty());
}

TEST_F(ImageListTest, FilesPastTheLimitOrWithNamesThePlaylistCannotCarryAreSkippedAndNamed) {
    showLoop(125);
    const QString longName = QString(59, QLatin1Char('n')) + ".jpg"; // 63 characters
    window->imageList().InsertSelectedFiles({"a<b.jpg", "1.jpg", longName,
                                             QString::fromUtf8("\u03a9.jpg"), "2.jpg", "tab\t.jpg",
                                             "3.jpg", "4.jpg", "5.jpg"});
    EXPECT_EQ(loop(0).nItems, kMaxImageItems);
    EXPECT_EQ(rows(imageList()), kMaxImageItems);
    EXPECT_EQ(textOf(item(125).FileName), "/1.jpg");
    EXPECT_EQ(textOf(item(127).FileName), "/3.jpg");
    EXPECT_EQ(changes, 1);
    ASSERT_EQ(errors.size(), 1);
    for (const QString& skipped :
         {QStringLiteral("a<b.jpg"), longName, QString::fromUtf8("\u03a9.jpg"),
          QStringLiteral("tab\t.jpg"), QStringLiteral("4.jpg"), QStringLiteral("5.jpg")}) {
        EXPECT_TRUE(errors[0].contains(skipped)) << skipped.toStdString();
    }
    EXPECT_FALSE(errors[0].contains("3.jpg"));
}

TEST_F(ImageListTest, AddInactiveAppendsANullEntryUntilTheLoopIsFull) {
    showLoop(kMaxImageItems - 1);
    click("AddInactiveButton");
    EXPECT_EQ(rowTexts(imageList(), 127), QStringList({"NULL", "00:00:10", "CENTER"}));
    click("AddInactiveButton");
    EXPECT_EQ(loop(0).nItems, kMaxImageItems);
    EXPECT_EQ(changes, 1);
}

TEST_F(ImageListTest, DurationAndPositionWaitForASelectedEntry) {
    showLoop(2);
    EXPECT_FALSE(duration()->isEnabled());
    EXPECT_FALSE(position()->isEnabled());
    EXPECT_EQ(duration()->value(), encodeTime({0, 0, 10}));
    clickRow(imageList(), 1);
    EXPECT_TRUE(duration()->isEnabled());
    EXPECT_TRUE(position()->isEnabled());
}

TEST_F(ImageListTest, DurationAndPositionWriteTheSelectedEntryAndItsCells) {
    showLoop(3);
    clickRow(imageList(), 1);
    QDateTimeEdit* edit = duration()->editor();
    edit->setCurrentSectionIndex(2); // seconds
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(item(1).Duration, encodeTime({0, 0, 11}));
    EXPECT_EQ(cell(imageList(), 1, 1), "00:00:11");

    QTest::mouseClick(duration()->checkBox(), Qt::LeftButton);
    EXPECT_EQ(item(1).bDuration, 0);
    EXPECT_EQ(cell(imageList(), 1, 1), "----");
    QTest::mouseClick(duration()->checkBox(), Qt::LeftButton);
    EXPECT_EQ(cell(imageList(), 1, 1), "00:00:11");

    position()->setFocus();
    QTest::keyClick(position(), Qt::Key_End);
    EXPECT_EQ(item(1).Position, RIGHT);
    EXPECT_EQ(cell(imageList(), 1, 2), "RIGHT");
    EXPECT_EQ(rowTexts(imageList(), 0), QStringList({"/p0.jpg", "00:00:10", "CENTER"}));
    EXPECT_EQ(changes, 4);

    // Selecting another entry shows its values without writing them anywhere.
    clickRow(imageList(), 0);
    EXPECT_EQ(duration()->value(), encodeTime({0, 0, 10}));
    EXPECT_EQ(position()->currentIndex(), 0);
    EXPECT_EQ(item(1).Position, RIGHT);
    EXPECT_EQ(changes, 4);
}

TEST_F(ImageListTest, OutOfRangeStoredValuesReadAsNoValue) {
    addLoops(1, 1);
    loop(0).Items[0].Position = 5;
    loop(0).Items[0].bDuration = 0;
    clickRow(loopList(), 0);
    EXPECT_EQ(rowTexts(imageList(), 0), QStringList({"/p0.jpg", "----", "----"}));
    clickRow(imageList(), 0);
    EXPECT_EQ(position()->currentIndex(), -1);
    EXPECT_EQ(loop(0).Items[0].Position, 5);
}

TEST_F(ImageListTest, DeleteSelectsTheSameRowOrTheNewLastOne) {
    showLoop(3);
    click("DeleteImgButton"); // nothing selected
    EXPECT_EQ(loop(0).nItems, 3);
    clickRow(imageList(), 0);
    click("DeleteImgButton");
    EXPECT_EQ(textOf(item(0).FileName), "/p1.jpg");
    EXPECT_EQ(window->imageList().SelectedImageIndex(), 0);
    clickRow(imageList(), 1);
    click("DeleteImgButton");
    EXPECT_EQ(window->imageList().SelectedImageIndex(), 0);
    EXPECT_EQ(cell(imageList(), 0, 0), "/p1.jpg");
    EXPECT_TRUE(duration()->isEnabled());
    click("DeleteImgButton");
    EXPECT_EQ(rows(imageList()), 0);
    EXPECT_EQ(loop(0).nItems, 0);
    EXPECT_FALSE(duration()->isEnabled());
    EXPECT_EQ(changes, 3);
}

TEST_F(ImageListTest, RowCheckBoxesReachTheStoreOnAClick) {
    showLoop(kMaxImageItems);
    imageList()->scrollToBottom();
    clickCheckBox(imageList(), 127);
    EXPECT_EQ(item(127).Checked, 0);
    clickCheckBox(imageList(), 127);
    EXPECT_EQ(item(127).Checked, 1);
    EXPECT_EQ(changes, 2);
}

TEST_F(ImageListTest, TheImageListFollowsTheSelectedLoop) {
    addLoops(2, 0);
    AddImageItem(sequence->loopTable, 1, "/only.jpg");
    clickRow(loopList(), 1);
    EXPECT_EQ(rows(imageList()), 1);
    clickRow(loopList(), 0);
    EXPECT_EQ(rows(imageList()), 0);
    click("AddInactiveButton");
    EXPECT_EQ(loop(0).nItems, 1);
    EXPECT_EQ(loop(1).nItems, 1);
}

TEST_F(ImageListTest, AddImageOpensTheDialogOnTheSequenceFolderAndAddsWhatItAccepts) {
    QTemporaryDir folder;
    for (const char* name : {"b.jpg", "a.JPG", "c.jpg"}) {
        fixture::writeBytes(
            QFile::encodeName(folder.filePath(QString::fromLatin1(name))).toStdString(),
            fixture::encodeJpeg(fixture::solidImage(8, 8, {9, 9, 9}), {}));
    }
    TFormAddImage dialog(prompts, window.get());
    window->attachWindows({&dialog, nullptr, nullptr});
    window->SetSequenceFolder(folder.path() + QLatin1Char('/'));
    showLoop(0);

    QTimer::singleShot(0, &dialog, [&] {
        auto* files = dialog.findChild<QListWidget*>(QStringLiteral("FileListBox1"));
        files->selectAll();
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Button1")),
                          Qt::LeftButton);
    });
    click("AddImgButton");
    EXPECT_EQ(dialog.folder(), folder.path() + QLatin1Char('/'));
    EXPECT_EQ(loop(0).nItems, 3);
    EXPECT_EQ(cell(imageList(), 0, 0), "/a.JPG");
    EXPECT_EQ(cell(imageList(), 2, 0), "/c.jpg");

    QTimer::singleShot(0, &dialog, [&] {
        dialog.findChild<QListWidget*>(QStringLiteral("FileListBox1"))->selectAll();
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Button2")),
                          Qt::LeftButton);
    });
    click("AddImgButton");
    EXPECT_EQ(loop(0).nItems, 3);
    EXPECT_EQ(changes, 1);
}

} // namespace
} // namespace orvex::testing
