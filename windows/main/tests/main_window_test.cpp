#include "model/store.h"
#include "platform/tests/fake_services.h"
#include "playlist/playlist_file.h"
#include "windows/config/unit_config.h"
#include "windows/insight/timeline_view.h"
#include "windows/insight/timeline_window.h"
#include "windows/main/sequence_editor.h"
#include "windows/main/unit_image_loop.h"
#include "windows/sequence_files/tests/fake_sequence_prompts.h"
#include "windows/shell/guarded_application.h"
#include "windows/shell/tests/fake_choosers.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace orvex {
namespace {

const QString kPrefix = QStringLiteral("Orvex Sequence Editor v1.1 : ");

class MainWindowTest : public ::testing::Test {
protected:
    testing::FakeServices services;
    testing::FakeChoosers choosers;
    testing::FakeSequencePrompts prompts;
    std::unique_ptr<Sequence> sequence = std::make_unique<Sequence>();
    std::unique_ptr<TFormImageLoop> window;

    void SetUp() override {
        services.timeZone.offsetMinutes = 60;
        window = std::make_unique<TFormImageLoop>(*sequence, choosers, prompts);
        window->show();
    }

    template <typename T> T* child(const char* name) {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    // The caption as the window system shows it: Qt puts "*" for the marker once modified.
    QString shownCaption() const {
        QString title = window->windowTitle();
        return title.replace(QStringLiteral("[*]"),
                             window->isWindowModified() ? QStringLiteral("*") : QString());
    }

    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
};

TEST_F(MainWindowTest, StartsWithTheExecutablesFolderAndAnEmptyDefaultSequence) {
    EXPECT_EQ(shownCaption(), kPrefix + QCoreApplication::applicationDirPath() + "/");
    EXPECT_EQ(window->size(), QSize(728, 451));
    EXPECT_FALSE(child<QGroupBox>("LoopGroupBox")->isVisible());
    EXPECT_FALSE(child<QGroupBox>("ImageListGroupBox")->isVisible());
    EXPECT_FALSE(child<QPushButton>("Copy2SD")->isVisible());
    EXPECT_EQ(GetLoopCount(sequence->loopTable), 0);
    EXPECT_EQ(sequence->mainParams.TimeZoneIndex, 35);
    EXPECT_EQ(sequence->mainParams.ShowTime, 1);
}

TEST_F(MainWindowTest, NewSequenceEndsTheFolderWithOneSeparator) {
    const std::pair<QString, QString> cases[] = {
        {"/tmp/show", "/tmp/show/"},
        {"/tmp/show/", "/tmp/show/"},
        {"/", "/"},
    };
    for (const auto& [chosen, folder] : cases) {
        choosers.folderReplies.push_back(chosen);
        click("ButtonNew");
        EXPECT_EQ(window->sequenceFolder(), folder);
        EXPECT_EQ(shownCaption(), kPrefix + folder);
    }
    EXPECT_EQ(choosers.lastStartFolder, "/tmp/show/");
}

TEST_F(MainWindowTest, NewSequenceClearsLoopsAndSettingsButKeepsRotation) {
    AddLoop(sequence->loopTable);
    sequence->mainParams.Rotation = 1;
    sequence->mainParams.TextColor = 9;
    choosers.folderReplies.push_back(QStringLiteral("/tmp/next"));
    click("ButtonNew");
    EXPECT_EQ(GetLoopCount(sequence->loopTable), 0);
    EXPECT_EQ(sequence->mainParams.TextColor, 2);
    EXPECT_EQ(sequence->mainParams.Rotation, 1);
}

TEST_F(MainWindowTest, CancelledNewSequenceChangesNothing) {
    AddLoop(sequence->loopTable);
    sequence->mainParams.TextColor = 9;
    const QString title = shownCaption();
    choosers.folderReplies.push_back(std::nullopt);
    click("ButtonNew");
    EXPECT_EQ(GetLoopCount(sequence->loopTable), 1);
    EXPECT_EQ(sequence->mainParams.TextColor, 9);
    EXPECT_EQ(shownCaption(), title);
}

TEST_F(MainWindowTest, TimelineButtonOpensTheTimelineOfTheSequence) {
    setText(AddLoop(sequence->loopTable)->Name, "Opening");
    TimelineWindow timeline(sequence->loopTable, window.get());
    window->attachWindows({nullptr, nullptr, nullptr, &timeline});
    QTimer::singleShot(0, &timeline, [&] {
        EXPECT_TRUE(timeline.isVisible());
        auto* view = timeline.findChild<TimelineView*>("TimelineView");
        ASSERT_NE(view, nullptr);
        ASSERT_EQ(view->days().size(), 7U);
        EXPECT_EQ(view->days().front().lanes.size(), 1U);
        timeline.close();
    });
    click("ButtonTimeline");
    EXPECT_FALSE(timeline.isVisible());
}

TEST_F(MainWindowTest, ExitAndEscapeCloseTheWindow) {
    click("ButtonExit");
    EXPECT_FALSE(window->isVisible());
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, UnsavedChangesShowInTheCaptionAndAreOfferedBeforeTheyAreLost) {
    EXPECT_FALSE(window->isWindowModified());
    click("NewLoop");
    EXPECT_TRUE(window->isWindowModified());
    EXPECT_TRUE(shownCaption().endsWith("/*"));

    prompts.answers.push_back(UnsavedChoice::kCancel);
    click("ButtonExit");
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(prompts.questions, 1);

    prompts.answers.push_back(UnsavedChoice::kCancel);
    choosers.folderReplies.push_back(QStringLiteral("/tmp/other"));
    click("ButtonNew");
    EXPECT_EQ(GetLoopCount(sequence->loopTable), 1);
    EXPECT_EQ(prompts.questions, 2);
    EXPECT_EQ(choosers.folderReplies.size(), 1u);

    prompts.answers.push_back(UnsavedChoice::kDiscard);
    click("ButtonNew");
    EXPECT_EQ(GetLoopCount(sequence->loopTable), 0);
    EXPECT_FALSE(window->isWindowModified());

    click("ButtonExit");
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(prompts.questions, 3);
}

TEST_F(MainWindowTest, SavingClearsTheModifiedMarker) {
    const QString folder = QDir::temp().filePath(QStringLiteral("orvex-main-window-save/"));
    QDir().mkpath(folder);
    window->SetSequenceFolder(folder);
    click("NewLoop");
    click("ButtonSave");
    EXPECT_TRUE(prompts.errors.isEmpty()) << prompts.errors.join('\n').toStdString();
    EXPECT_TRUE(QFile::exists(folder + "playlist.xml"));
    EXPECT_FALSE(window->isWindowModified());
    QDir(folder).removeRecursively();
}

// Opens "Config Sequence" and, once the dialog shows, lets `act` work in it before it closes.
void configure(TFormImageLoop& window, const std::function<void(QWidget&)>& act) {
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("ButtonConfig")),
                      Qt::LeftButton);
}

TEST_F(MainWindowTest, ConfigSequenceMarksTheSequenceOnlyWhenAStoredValueChanged) {
    TFormConfig config(choosers, prompts, [this] { return window->sequenceFolder(); });
    window->attachWindows({nullptr, &config, nullptr});
    const auto pressOk = [](QWidget& dialog) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("ButtonOK")),
                          Qt::LeftButton);
    };
    configure(*window, pressOk);
    EXPECT_FALSE(window->isWindowModified());

    configure(*window, [](QWidget& dialog) {
        auto* colour = dialog.findChild<QComboBox*>(QStringLiteral("FontColor"));
        QTest::keyClick(colour, Qt::Key_Down);
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    EXPECT_FALSE(window->isWindowModified());
    const MainParams defaults = sequence->mainParams;

    configure(*window, [&](QWidget& dialog) {
        for (const char* list : {"FontColor", "BackColor", "TimeZone", "ScreenRot"}) {
            QTest::keyClick(dialog.findChild<QComboBox*>(QString::fromLatin1(list)), Qt::Key_Down);
        }
        for (const char* box : {"ShowDate", "CheckDST"}) {
            QTest::mouseClick(dialog.findChild<QCheckBox*>(QString::fromLatin1(box)),
                              Qt::LeftButton);
        }
        pressOk(dialog);
    });
    EXPECT_TRUE(window->isWindowModified());
    const MainParams& edited = sequence->mainParams;
    EXPECT_EQ(edited.TextColor, defaults.TextColor + 1);
    EXPECT_EQ(edited.BackColor, defaults.BackColor + 1);
    EXPECT_EQ(edited.TimeZoneIndex, defaults.TimeZoneIndex + 1);
    EXPECT_EQ(edited.Rotation, defaults.Rotation + 1);
    EXPECT_NE(edited.ShowDate, defaults.ShowDate);
    EXPECT_NE(edited.EnableDST, defaults.EnableDST);

    const QString folder = QDir::temp().filePath(QStringLiteral("orvex-main-window-config/"));
    QDir().mkpath(folder);
    window->SetSequenceFolder(folder);
    click("ButtonSave");
    const LoadResult saved =
        loadPlaylist(QFile::encodeName(folder + "playlist.xml").toStdString(), services.regional);
    ASSERT_NE(saved.sequence, nullptr) << saved.message;
    EXPECT_EQ(saved.sequence->mainParams, edited);

    // The dialog's OK is one step of the history.
    window->editor().history().undo();
    EXPECT_EQ(sequence->mainParams, defaults);
    EXPECT_TRUE(window->isWindowModified());
    QDir(folder).removeRecursively();
}

TEST(GuardedApplication, AnExceptionEscapingAHandlerIsShownAndTheProgramGoesOn) {
    auto* app = static_cast<GuardedApplication*>(QCoreApplication::instance());
    QStringList shown;
    app->setErrorDisplay([&](const QString& message) { shown << message; });
    QPushButton button;
    int clicks = 0;
    QObject::connect(&button, &QPushButton::clicked, [&] {
        ++clicks;
        throw std::runtime_error("'x' is not a valid date and time");
    });
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    app->setErrorDisplay(showCriticalError);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(shown, QStringList(
                         {"'x' is not a valid date and time", "'x' is not a valid date and time"}));
}

} // namespace
} // namespace orvex
