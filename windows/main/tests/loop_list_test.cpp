#include "windows/main/tests/editor_fixture.h"

#include <QGroupBox>
#include <QHeaderView>
#include <QLineEdit>
#include <functional>

namespace orvex::testing {
namespace {

using LoopListTest = EditorTest;

TEST_F(LoopListTest, NewLoopNamesItFromTheCounterAndSelectsIt) {
    click("NewLoop");
    click("NewLoop");
    EXPECT_EQ(names(), QStringList({"Loop0", "Loop1"}));
    EXPECT_EQ(window->SelectedLoopIndex(), 1);
    EXPECT_TRUE(child<QGroupBox>("LoopGroupBox")->isVisible());
    EXPECT_TRUE(child<QGroupBox>("ImageListGroupBox")->isVisible());
    EXPECT_EQ(rowTexts(loopList(), 0),
              QStringList({"Loop0", "----", "----", "----", "----", "----", "----", "ON", "NONE"}));
    EXPECT_TRUE(isChecked(loopList(), 0));
    EXPECT_EQ(changes, 2);

    // A load sets the counter to the number of loops it listed; it wraps at 16 bits.
    window->setNextLoopNumber(65535);
    click("NewLoop");
    click("NewLoop");
    EXPECT_EQ(names(), QStringList({"Loop0", "Loop1", "Loop65535", "Loop0"}));
    EXPECT_EQ(window->nextLoopNumber(), 1);
}

TEST_F(LoopListTest, NewLoopOnAFullTableDoesNothing) {
    addLoops(kMaxLoops);
    window->selectLoopRow(5);
    click("NewLoop");
    EXPECT_EQ(GetLoopCount(sequence->loopTable), kMaxLoops);
    EXPECT_EQ(window->loopRowCount(), kMaxLoops);
    EXPECT_EQ(window->SelectedLoopIndex(), 5);
    EXPECT_EQ(window->nextLoopNumber(), 0);
    EXPECT_EQ(changes, 0);
}

TEST_F(LoopListTest, DeleteSelectsTheSameRowOrTheNewLastOne) {
    addLoops(4);
    click("DeleteLoop"); // nothing selected
    EXPECT_EQ(names(), QStringList({"A", "B", "C", "D"}));

    clickRow(loopList(), 1);
    click("DeleteLoop");
    EXPECT_EQ(names(), QStringList({"A", "C", "D"}));
    EXPECT_EQ(window->SelectedLoopIndex(), 1);

    clickRow(loopList(), 2);
    click("DeleteLoop");
    EXPECT_EQ(names(), QStringList({"A", "C"}));
    EXPECT_EQ(window->SelectedLoopIndex(), 1);
    EXPECT_EQ(window->loopRowCount(), 2);
    EXPECT_EQ(changes, 2);

    click("DeleteLoop");
    click("DeleteLoop");
    EXPECT_EQ(window->loopRowCount(), 0);
    EXPECT_EQ(window->SelectedLoopIndex(), TFormImageLoop::kNoSelection);
    EXPECT_FALSE(child<QGroupBox>("LoopGroupBox")->isVisible());
    EXPECT_FALSE(child<QGroupBox>("ImageListGroupBox")->isVisible());
}

TEST_F(LoopListTest, PriorityButtonsMoveTheLoopWholeAndKeepItSelected) {
    addLoops(3, 0);
    AddImageItem(sequence->loopTable, 2, "/c.jpg");
    window->RefreshLoopList();
    clickRow(loopList(), 2);
    click("PriorityUp");
    EXPECT_EQ(names(), QStringList({"A", "C", "B"}));
    EXPECT_EQ(window->SelectedLoopIndex(), 1);
    EXPECT_EQ(cell(imageList(), 0, 0), "/c.jpg");
    click("PriorityUp");
    EXPECT_EQ(names(), QStringList({"C", "A", "B"}));
    EXPECT_EQ(changes, 2);

    click("PriorityUp"); // already first
    click("PriorityDown");
    click("PriorityDown");
    click("PriorityDown"); // already last
    EXPECT_EQ(names(), QStringList({"A", "B", "C"}));
    EXPECT_EQ(window->SelectedLoopIndex(), 2);
    EXPECT_EQ(loop(2).nItems, 1);
    EXPECT_EQ(changes, 4);
}

TEST_F(LoopListTest, MovesAndDeletesNeedASelectedRow) {
    addLoops(2);
    for (const char* button : {"PriorityUp", "PriorityDown", "DeleteLoop"}) {
        click(button);
    }
    EXPECT_EQ(names(), QStringList({"A", "B"}));
    EXPECT_EQ(changes, 0);
}

TEST_F(LoopListTest, AColumnHeaderClickRebuildsTheListAndSelectsTheFirstRow) {
    addLoops(3);
    clickRow(loopList(), 2);
    setText(loop(1).Name, "Renamed elsewhere");
    const QHeaderView* header = loopList()->horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(3) + 5, header->height() / 2));
    EXPECT_EQ(window->SelectedLoopIndex(), 0);
    EXPECT_EQ(cell(loopList(), 1, 0), "Renamed elsewhere");
    EXPECT_EQ(names(), QStringList({"A", "Renamed elsewhere", "C"}));
    EXPECT_EQ(changes, 0);
}

TEST_F(LoopListTest, RowCheckBoxesReachTheStoreByMouseAndKeyboard) {
    addLoops(kMaxLoops);
    loopList()->scrollToBottom();
    clickCheckBox(loopList(), 127);
    EXPECT_EQ(loop(127).Checked, 0);
    EXPECT_EQ(changes, 1);

    // Space on the focused caption cell toggles its box, with no click afterwards.
    loopList()->setCurrentIndex(loopList()->model()->index(126, 0));
    QTest::keyClick(loopList(), Qt::Key_Space);
    EXPECT_EQ(loop(126).Checked, 0);

    clickCheckBox(loopList(), 127);
    EXPECT_EQ(loop(127).Checked, 1);
    EXPECT_EQ(changes, 3);
}

TEST_F(LoopListTest, NewSequenceEmptiesTheListAndHidesTheLowerGroups) {
    addLoops(2);
    clickRow(loopList(), 0);
    choosers.folderReplies.push_back(QStringLiteral("/tmp/next"));
    click("ButtonNew");
    EXPECT_EQ(window->loopRowCount(), 0);
    EXPECT_FALSE(child<QGroupBox>("LoopGroupBox")->isVisible());
    EXPECT_FALSE(child<QGroupBox>("ImageListGroupBox")->isVisible());
}

TEST_F(LoopListTest, ClearingTheSelectionTakesTheLowerGroupsAwaySoNoEditIsLost) {
    addLoops(2);
    const auto groupsShown = [this] {
        return child<QGroupBox>("LoopGroupBox")->isVisible() &&
               child<QGroupBox>("ImageListGroupBox")->isVisible();
    };
    // A click on the blank part of the list below the rows, then a Ctrl+click on the
    // selected row: both leave no loop selected.
    const auto clickBlank = [this] {
        QWidget* viewport = loopList()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {},
                          QPoint(viewport->width() / 2, viewport->height() - 4));
    };
    const auto ctrlClickRow = [this](int row) {
        clickRow(loopList(), row, Qt::ControlModifier);
    };
    for (const auto& deselect :
         {std::function<void()>(clickBlank), std::function<void()>([&] { ctrlClickRow(1); })}) {
        clickRow(loopList(), 1);
        ASSERT_TRUE(groupsShown());

        deselect();

        EXPECT_EQ(window->SelectedLoopIndex(), TFormImageLoop::kNoSelection);
        EXPECT_FALSE(child<QGroupBox>("LoopGroupBox")->isVisible());
        EXPECT_FALSE(child<QGroupBox>("ImageListGroupBox")->isVisible());
    }

    clickRow(loopList(), 0);
    EXPECT_TRUE(groupsShown());
    EXPECT_EQ(child<QLineEdit>("EditName")->text(), "A");
    EXPECT_EQ(names(), QStringList({"A", "B"}));
    EXPECT_EQ(changes, 0);
}

} // namespace
} // namespace orvex::testing
