#include "model/store.h"
#include "platform/tests/fake_services.h"
#include "windows/main/unit_image_loop.h"
#include "windows/shell/guarded_application.h"
#include "windows/shell/tests/fake_choosers.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QTest>
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
    std::unique_ptr<Sequence> sequence = std::make_unique<Sequence>();
    std::unique_ptr<TFormImageLoop> window;

    void SetUp() override {
        services.timeZone.offsetMinutes = 60;
        window = std::make_unique<TFormImageLoop>(*sequence, choosers);
        window->show();
    }

    template <typename T> T* child(const char* name) {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void click(const char* button) {
        QTest::mouseClick(child<QPushButton>(button), Qt::LeftButton);
    }
};

TEST_F(MainWindowTest, StartsWithTheExecutablesFolderAndAnEmptyDefaultSequence) {
    EXPECT_EQ(window->windowTitle(), kPrefix + QCoreApplication::applicationDirPath() + "/");
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
        EXPECT_EQ(window->windowTitle(), kPrefix + folder);
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
    const QString title = window->windowTitle();
    choosers.folderReplies.push_back(std::nullopt);
    click("ButtonNew");
    EXPECT_EQ(GetLoopCount(sequence->loopTable), 1);
    EXPECT_EQ(sequence->mainParams.TextColor, 9);
    EXPECT_EQ(window->windowTitle(), title);
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
