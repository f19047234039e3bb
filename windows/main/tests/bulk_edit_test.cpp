#include "windows/main/checked_picker.h"
#include "windows/main/image_table_model.h"
#include "windows/main/sequence_editor.h"
#include "windows/main/tests/editor_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QMimeData>
#include <memory>

namespace orvex::testing {
namespace {

class BulkEditTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        QApplication::setActiveWindow(window.get());
        addLoops(3, 4);
        clickRow(loopList(), 1);
        changes = 0;
    }
    ImageItem& item(int index) { return loop(1).Items[static_cast<std::size_t>(index)]; }
    QUndoStack& history() { return window->editor().history(); }
};

TEST_F(BulkEditTest, SelectedRowsTakeAPositionOrADurationTogetherAsOneStep) {
    clickRow(imageList(), 1);
    clickRow(imageList(), 3, Qt::ShiftModifier);
    auto* position = child<QComboBox>("Position");
    position->setFocus();
    QTest::keyClick(position, Qt::Key_End);
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(item(row).Position, RIGHT) << row;
        EXPECT_EQ(cell(imageList(), row, 2), "RIGHT");
    }
    EXPECT_EQ(item(0).Position, CENTER);
    EXPECT_EQ(history().count(), 1);

    QTest::mouseClick(child<CheckedPicker>("Duration")->checkBox(), Qt::LeftButton);
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(item(row).bDuration, 0) << row;
    }
    EXPECT_EQ(item(0).bDuration, 1);
    history().undo();
    history().undo();
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(item(row).Position, CENTER) << row;
        EXPECT_EQ(item(row).bDuration, 1) << row;
    }
}

TEST_F(BulkEditTest, DuplicateLoopInsertsACopyWithItsPicturesRightAfterIt) {
    window->setNextLoopNumber(7);
    loop(1).bWeekDay = 1;
    loop(1).WeekDay = 5;
    loopList()->setFocus();
    QTest::keyClick(loopList(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(names(), QStringList({"A", "B", "Loop7", "C"}));
    EXPECT_EQ(window->SelectedLoopIndex(), 2);
    EXPECT_EQ(loop(2).nItems, 4);
    EXPECT_EQ(textOf(loop(2).Items[3].FileName), "/p3.jpg");
    EXPECT_EQ(loop(2).WeekDay, 5);
    EXPECT_EQ(window->nextLoopNumber(), 8);
    EXPECT_EQ(changes, 1);
}

TEST_F(BulkEditTest, AFullSequenceOrLoopIsToldInsteadOfIgnored) {
    addLoops(kMaxLoops - 3);
    clickRow(loopList(), 0);
    click("NewLoop");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("128")) << errors[0].toStdString();
    window->loopList().DuplicateLoopClick();
    EXPECT_EQ(errors.size(), 2);
    EXPECT_EQ(window->loopRowCount(), kMaxLoops);

    window->imageList().InsertSelectedFiles(QStringList(kMaxImageItems, QStringLiteral("x.jpg")));
    errors.clear();
    click("AddInactiveButton");
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains("128")) << errors[0].toStdString();
    EXPECT_EQ(changes, 1);
}

TEST_F(BulkEditTest, ADroppedPictureTakesThePlaceItIsDroppedOn) {
    QAbstractItemModel* model = imageList()->model();
    struct Case {
        int row;
        int dropRow; // -1: dropped onto `dropOn`
        int dropOn;
        QStringList order;
    };
    const std::vector<Case> cases = {
        {0, 3, -1, {"/p1.jpg", "/p2.jpg", "/p0.jpg", "/p3.jpg"}},
        {0, -1, 2, {"/p1.jpg", "/p0.jpg", "/p2.jpg", "/p3.jpg"}},
        {3, 0, -1, {"/p3.jpg", "/p0.jpg", "/p1.jpg", "/p2.jpg"}},
        {1, -1, -1, {"/p0.jpg", "/p2.jpg", "/p3.jpg", "/p1.jpg"}},
    };
    for (const Case& c : cases) {
        const std::unique_ptr<QMimeData> dragged(model->mimeData({model->index(c.row, 0)}));
        const QModelIndex onto = c.dropOn < 0 ? QModelIndex() : model->index(c.dropOn, 0);
        EXPECT_TRUE(model->dropMimeData(dragged.get(), Qt::MoveAction, c.dropRow, 0, onto));
        QStringList order;
        for (int row = 0; row < rows(imageList()); ++row) {
            order << cell(imageList(), row, 0);
        }
        EXPECT_EQ(order, c.order) << c.row << " to " << c.dropRow << "/" << c.dropOn;
        history().undo();
    }
    QMimeData foreign;
    foreign.setText(QStringLiteral("0"));
    EXPECT_FALSE(model->dropMimeData(&foreign, Qt::MoveAction, 0, 0, {}));
    EXPECT_EQ(changes, 8);
}

} // namespace
} // namespace orvex::testing
