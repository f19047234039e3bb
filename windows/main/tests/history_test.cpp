#include "windows/main/checked_picker.h"
#include "windows/main/row_texts.h"
#include "windows/main/sequence_editor.h"
#include "windows/main/tests/editor_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <functional>

namespace orvex::testing {
namespace {

// What the user can see of a sequence: every loop's row and pictures, and one setting.
std::string snapshot(const Sequence& sequence) {
    QStringList out{QString::number(sequence.mainParams.TextColor)};
    for (int i = 0; i < sequence.loopTable.LoopCount; ++i) {
        const LoopEntry& loop = sequence.loopTable.Loops[static_cast<std::size_t>(i)];
        out << loopRowTexts(loop).join(',') + (loop.Checked ? "+" : "-");
        for (int j = 0; j < loop.nItems; ++j) {
            const ImageItem& item = loop.Items[static_cast<std::size_t>(j)];
            out << "  " + imageRowTexts(item).join(',') + (item.Checked ? "+" : "-");
        }
    }
    return out.join('\n').toStdString();
}

class HistoryTest : public EditorTest {
protected:
    QUndoStack& history() { return window->editor().history(); }

    void SetUp() override {
        EditorTest::SetUp();
        // The window's shortcuts work only in the active window.
        QApplication::setActiveWindow(window.get());
        addLoops(3, 3);
        clickRow(loopList(), 1);
        clickRow(imageList(), 1);
    }

    void undo() { QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier); }
    void redo() {
        QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    }
    void redoWithY() { QTest::keyClick(window.get(), Qt::Key_Y, Qt::ControlModifier); }
};

TEST_F(HistoryTest, EveryKindOfEditIsOneStepThatUndoesAndRedoesExactly) {
    struct Edit {
        const char* name;
        std::function<void()> make;
    };
    const std::vector<Edit> edits = {
        {"new loop",
         [&] {
             click("NewLoop");
         }},
        {"delete loop",
         [&] {
             click("DeleteLoop");
         }},
        {"duplicate loop",
         [&] {
             window->loopList().DuplicateLoopClick();
         }},
        {"priority up",
         [&] {
             click("PriorityUp");
         }},
        {"priority down",
         [&] {
             click("PriorityDown");
         }},
        {"loop tick",
         [&] {
             clickCheckBox(loopList(), 2);
         }},
        {"loop name",
         [&] {
             auto* name = child<QLineEdit>("EditName");
             name->setFocus();
             QTest::keyClicks(name, "xyz");
         }},
        {"date flag",
         [&] {
             QTest::mouseClick(child<CheckedPicker>("DateIni")->checkBox(), Qt::LeftButton);
         }},
        {"week day",
         [&] {
             QTest::mouseClick(child<QCheckBox>("CB_WeekDay"), Qt::LeftButton);
         }},
        {"month day",
         [&] {
             QTest::mouseClick(child<QCheckBox>("CB_MonthDay"), Qt::LeftButton);
         }},
        {"event",
         [&] {
             auto* event = child<QComboBox>("EventBox");
             event->setFocus();
             QTest::keyClick(event, Qt::Key_End);
         }},
        {"add pictures",
         [&] {
             window->imageList().InsertSelectedFiles({"n.jpg", "m.jpg"});
         }},
        {"add inactive",
         [&] {
             click("AddInactiveButton");
         }},
        {"delete picture",
         [&] {
             click("DeleteImgButton");
         }},
        {"picture tick",
         [&] {
             clickCheckBox(imageList(), 0);
         }},
        {"duration flag",
         [&] {
             QTest::mouseClick(child<CheckedPicker>("Duration")->checkBox(), Qt::LeftButton);
         }},
        {"position",
         [&] {
             auto* position = child<QComboBox>("Position");
             position->setFocus();
             QTest::keyClick(position, Qt::Key_End);
         }},
        {"move picture",
         [&] {
             imageList()->setFocus();
             QTest::keyClick(imageList(), Qt::Key_Down, Qt::ControlModifier);
         }},
        {"settings",
         [&] {
             MainParams changed = sequence->mainParams;
             changed.TextColor = 7;
             window->editor().editMainParams(changed);
         }},
    };
    for (const Edit& edit : edits) {
        SCOPED_TRACE(edit.name);
        window->RefreshLoopList();
        clickRow(loopList(), 1);
        clickRow(imageList(), 1);
        const std::string before = snapshot(*sequence);
        edit.make();
        const std::string after = snapshot(*sequence);
        ASSERT_NE(after, before);
        EXPECT_EQ(history().count(), 1);
        undo();
        EXPECT_EQ(snapshot(*sequence), before);
        redo();
        EXPECT_EQ(snapshot(*sequence), after);
        undo();
        redoWithY();
        EXPECT_EQ(snapshot(*sequence), after);
    }
}

TEST_F(HistoryTest, TheMarkerFollowsTheHistoryBackToTheSavedState) {
    const QString folder = QDir::temp().filePath(QStringLiteral("orvex-history-test/"));
    QDir().mkpath(folder);
    window->SetSequenceFolder(folder);
    EXPECT_FALSE(window->isWindowModified());
    click("NewLoop");
    EXPECT_TRUE(window->isWindowModified());
    undo();
    EXPECT_FALSE(window->isWindowModified()) << "undone back to how it was started";
    redo();
    click("ButtonSave");
    ASSERT_TRUE(errors.isEmpty()) << errors.join('\n').toStdString();
    EXPECT_FALSE(window->isWindowModified());
    undo();
    EXPECT_TRUE(window->isWindowModified()) << "the saved file still has the new loop";
    redo();
    EXPECT_FALSE(window->isWindowModified());
    QDir(folder).removeRecursively();
}

TEST_F(HistoryTest, TypingInOneBoxIsOneStepUntilTheBoxIsLeft) {
    auto* name = child<QLineEdit>("EditName");
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Lobby");
    EXPECT_EQ(history().count(), 1);
    // Ctrl+Z in the box undoes the sequence's step, not the box's own typing.
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(names()[1], "B");
    EXPECT_EQ(name->text(), "B");
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(names()[1], "Lobby");

    QTest::keyClick(name, Qt::Key_Tab);
    name->setFocus();
    name->end(false);
    QTest::keyClicks(name, " 2");
    EXPECT_EQ(history().count(), 2);
    undo();
    EXPECT_EQ(names()[1], "Lobby");
}

TEST_F(HistoryTest, NewSequenceAndALoadLeaveNothingToUndo) {
    click("NewLoop");
    ASSERT_TRUE(history().canUndo());
    prompts.answers.push_back(UnsavedChoice::kDiscard);
    choosers.folderReplies.push_back(QStringLiteral("/tmp/next"));
    click("ButtonNew");
    EXPECT_FALSE(history().canUndo());
    undo();
    EXPECT_EQ(window->loopRowCount(), 0);

    click("NewLoop");
    // A load replaces the store and asks the window to read it again.
    window->RefreshLoopList();
    EXPECT_FALSE(history().canUndo());
}

TEST_F(HistoryTest, UndoShowsTheLoopAndPictureItChanged) {
    clickCheckBox(imageList(), 2);
    clickRow(loopList(), 0);
    undo();
    EXPECT_EQ(window->SelectedLoopIndex(), 1);
    EXPECT_EQ(window->imageList().SelectedImageIndex(), 2);
    EXPECT_TRUE(isChecked(imageList(), 2));
}

} // namespace
} // namespace orvex::testing
