#include "windows/main/checked_picker.h"
#include "windows/main/tests/editor_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSet>

namespace orvex::testing {
namespace {

class KeyboardTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        // Shortcuts and mnemonics work only in the active window.
        QApplication::setActiveWindow(window.get());
        addLoops(3, 3);
        clickRow(loopList(), 1);
        changes = 0;
    }

    void press(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        widget->setFocus();
        QTest::keyClick(widget, key, modifiers);
    }

    static bool rowIsShown(ReportView* list, int row) {
        return list->viewport()->rect().contains(placeOf(list, row, 0));
    }
};

TEST_F(KeyboardTest, TabAndShiftTabLeaveBothListsForTheNextControl) {
    for (ReportView* list : {loopList(), imageList()}) {
        for (const bool backwards : {false, true}) {
            list->setFocus();
            QTest::keyClick(list, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                            backwards ? Qt::ShiftModifier : Qt::NoModifier);
            EXPECT_NE(QApplication::focusWidget(), list) << list->objectName().toStdString();
            EXPECT_NE(QApplication::focusWidget(), nullptr);
        }
    }
}

TEST_F(KeyboardTest, SpaceTicksThePickersBoxesAndTheListBoxes) {
    press(child<CheckedPicker>("DateIni")->checkBox(), Qt::Key_Space);
    EXPECT_EQ(loop(1).bDateIni, 1);
    press(child<CheckedPicker>("TimeEnd")->checkBox(), Qt::Key_Space);
    EXPECT_EQ(loop(1).bTimeEnd, 1);
    clickRow(imageList(), 2);
    press(child<CheckedPicker>("Duration")->checkBox(), Qt::Key_Space);
    EXPECT_EQ(loop(1).Items[2].bDuration, 0);
    press(imageList(), Qt::Key_Space);
    EXPECT_EQ(loop(1).Items[2].Checked, 0);
    press(loopList(), Qt::Key_Space);
    EXPECT_EQ(loop(1).Checked, 0);
    EXPECT_EQ(changes, 5);
}

TEST_F(KeyboardTest, DeleteAndCtrlArrowsWorkOnTheFocusedList) {
    press(loopList(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(names(), QStringList({"A", "C", "B"}));
    EXPECT_EQ(window->SelectedLoopIndex(), 2);
    press(loopList(), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(names(), QStringList({"A", "B", "C"}));

    clickRow(imageList(), 0);
    press(imageList(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(cell(imageList(), 1, 0), "/p0.jpg");
    EXPECT_EQ(window->imageList().SelectedImageIndex(), 1);
    press(imageList(), Qt::Key_Delete);
    EXPECT_EQ(loop(1).nItems, 2);
    EXPECT_EQ(cell(imageList(), 0, 0), "/p1.jpg");
    EXPECT_EQ(cell(imageList(), 1, 0), "/p2.jpg");

    press(loopList(), Qt::Key_Delete);
    EXPECT_EQ(names(), QStringList({"A", "C"}));
}

TEST_F(KeyboardTest, CtrlNOAndSActLikeTheirButtons) {
    const QString folder = QDir::temp().filePath(QStringLiteral("orvex-keyboard-test/"));
    QDir().mkpath(folder);
    window->SetSequenceFolder(folder);
    click("NewLoop");
    QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(folder + "playlist.xml"));
    EXPECT_FALSE(window->isWindowModified());

    QTest::keyClick(window.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(choosers.lastProposedPath, folder + "playlist.xml");

    choosers.folderReplies.push_back(QStringLiteral("/tmp/fresh"));
    QTest::keyClick(window.get(), Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(window->sequenceFolder(), "/tmp/fresh/");
    EXPECT_EQ(window->loopRowCount(), 0);
    QDir(folder).removeRecursively();
}

TEST_F(KeyboardTest, EveryButtonHasAnAltKeyOfItsOwnThatPressesIt) {
    QSet<QChar> keys;
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->window() != window.get() || button->isHidden() ||
            qobject_cast<QPushButton*>(button) == nullptr) {
            continue;
        }
        const QKeySequence key = QKeySequence::mnemonic(button->text());
        EXPECT_FALSE(key.isEmpty()) << button->objectName().toStdString();
        const QChar letter = button->text()[button->text().indexOf('&') + 1].toLower();
        EXPECT_FALSE(keys.contains(letter)) << button->text().toStdString();
        keys.insert(letter);
    }
    // A mnemonic presses its button as a click would, shown briefly pressed first.
    const QKeySequence newLoop = QKeySequence::mnemonic(child<QPushButton>("NewLoop")->text());
    loopList()->setFocus();
    QTest::keySequence(loopList(), newLoop);
    EXPECT_TRUE(QTest::qWaitFor([this] { return window->loopRowCount() == 4; }));
}

TEST_F(KeyboardTest, ANewOrMovedRowIsScrolledIntoView) {
    addLoops(40, 1);
    clickRow(loopList(), 0);
    click("NewLoop");
    EXPECT_TRUE(rowIsShown(loopList(), window->loopRowCount() - 1));
    loopList()->scrollToTop();
    clickRow(loopList(), 1);
    for (int i = 0; i < 30; ++i) {
        QTest::keyClick(loopList(), Qt::Key_Down, Qt::ControlModifier);
    }
    EXPECT_EQ(window->SelectedLoopIndex(), 31);
    EXPECT_TRUE(rowIsShown(loopList(), 31));

    window->imageList().InsertSelectedFiles(QStringList(20, QStringLiteral("x.jpg")));
    EXPECT_TRUE(rowIsShown(imageList(), rows(imageList()) - 1));
}

} // namespace
} // namespace orvex::testing
