#include "jpeg/fixture/jpeg_writer.h"
#include "jpeg/fixture/sample_images.h"
#include "windows/add_image/unit_add_image.h"
#include "windows/shell/tests/fake_error_messages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <vector>

namespace orvex {
namespace {

class AddImageTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    testing::FakeErrorMessages messages;
    QStringList& errors = messages.errors;
    TFormAddImage dialog{messages};

    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    std::vector<std::uint8_t> jpeg(int width, int height) const {
        return fixture::encodeJpeg(
            fixture::quadrantImage(width, height,
                                   {{{255, 0, 0}, {0, 0, 255}, {255, 0, 0}, {0, 0, 255}}}),
            {});
    }

    void write(const QString& name, const std::vector<std::uint8_t>& bytes) const {
        fixture::writeBytes(QFile::encodeName(folder.filePath(name)).toStdString(), bytes);
    }

    void open() {
        dialog.bindFolder(folder.path() + QLatin1Char('/'));
        dialog.show();
    }

    QListWidget* files() { return dialog.findChild<QListWidget*>(QStringLiteral("FileListBox1")); }
    QLabel* preview() { return dialog.findChild<QLabel*>(QStringLiteral("Image1")); }
    QStringList listed() {
        QStringList names;
        for (int row = 0; row < files()->count(); ++row) {
            names << files()->item(row)->text();
        }
        return names;
    }

    void clickFile(int row, Qt::KeyboardModifiers modifiers = {}) {
        const QRect place = files()->visualItemRect(files()->item(row));
        QTest::mouseClick(files()->viewport(), Qt::LeftButton, modifiers, place.center());
        QCoreApplication::sendPostedEvents();
    }
    QImage shown() { return preview()->pixmap().toImage(); }
};

TEST_F(AddImageTest, ListsTheJpegFilesOfTheFolderWhateverTheirLetterCase) {
    for (const char* name : {"b.JPG", "a.jpg", "c.Jpeg", "notes.txt", "d.png", "jpg"}) {
        write(QString::fromLatin1(name), jpeg(8, 8));
    }
    QDir(folder.path()).mkdir(QStringLiteral("e.jpg"));
    open();
    EXPECT_EQ(listed(), QStringList({"a.jpg", "b.JPG", "c.Jpeg"}));
    EXPECT_TRUE(preview()->pixmap().isNull());
    EXPECT_TRUE(errors.isEmpty()) << "opening decodes nothing";
}

TEST_F(AddImageTest, AClickedPictureIsScaledToFitThePreviewWithItsProportions) {
    write("wide.jpg", jpeg(800, 400));
    write("tall.jpg", jpeg(100, 200));
    open();
    clickFile(1);
    EXPECT_EQ(shown().size(), QSize(360, 180));
    EXPECT_GT(qRed(shown().pixel(40, 90)), 200);
    EXPECT_GT(qBlue(shown().pixel(320, 90)), 200);
    clickFile(0);
    EXPECT_EQ(shown().size(), QSize(144, 288));
    EXPECT_TRUE(errors.isEmpty());

    // The arrow keys move the preview along with the selection.
    QTest::keyClick(files(), Qt::Key_Down);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(shown().size(), QSize(360, 180));
}

TEST_F(AddImageTest, AFileThatCannotBeDecodedIsNamedAndThePreviewKept) {
    const std::vector<std::uint8_t> good = jpeg(64, 64);
    write("good.jpg", good);
    write("truncated.jpg",
          std::vector<std::uint8_t>(good.begin(),
                                    good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2)));
    write("text.jpg", std::vector<std::uint8_t>{'h', 'e', 'l', 'l', 'o'});
    write("empty.jpg", {});
    open();
    clickFile(1);
    const QImage before = shown();
    ASSERT_FALSE(before.isNull());
    for (const int row : {0, 2, 3}) {
        clickFile(row);
        EXPECT_EQ(shown(), before) << row;
    }
    ASSERT_EQ(errors.size(), 3);
    EXPECT_TRUE(errors[0].contains("empty.jpg"));
    EXPECT_TRUE(errors[1].contains("text.jpg"));
    EXPECT_TRUE(errors[2].contains("truncated.jpg"));
}

TEST_F(AddImageTest, OpeningAgainClearsThePreviewAndListsTheFolderAnew) {
    write("a.jpg", jpeg(16, 16));
    open();
    clickFile(0);
    ASSERT_FALSE(preview()->pixmap().isNull());
    write("b.jpg", jpeg(16, 16));
    open();
    EXPECT_TRUE(preview()->pixmap().isNull());
    EXPECT_EQ(listed(), QStringList({"a.jpg", "b.jpg"}));
}

TEST_F(AddImageTest, AddFilesAndADoubleClickAcceptTheSelectionInListOrder) {
    for (const char* name : {"a.jpg", "b.jpg", "c.jpg"}) {
        write(QString::fromLatin1(name), jpeg(16, 16));
    }
    open();
    clickFile(2);
    clickFile(0, Qt::ControlModifier);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedFileNames(), QStringList({"a.jpg", "c.jpg"}));

    open();
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("Button2")), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Rejected);

    open();
    const QRect place = files()->visualItemRect(files()->item(1));
    // Through the window, so that the press before the double click arrives as it would.
    QTest::mouseDClick(dialog.windowHandle(), Qt::LeftButton, {},
                       files()->viewport()->mapTo(&dialog, place.center()));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedFileNames(), QStringList({"b.jpg"}));
}

} // namespace
} // namespace orvex
