#include "windows/config/tests/config_fixture.h"

#include <QLineEdit>

namespace orvex::testing {
namespace {

TEST_F(ConfigTest, ANewSequenceShowsTheDefaults) {
    open();

    EXPECT_TRUE(child<QCheckBox>("ShowTime")->isChecked());
    EXPECT_FALSE(child<QCheckBox>("ShowDate")->isChecked());
    EXPECT_TRUE(child<QCheckBox>("CheckDST")->isChecked());
    EXPECT_EQ(list("FontColor")->currentText(), "White");
    EXPECT_EQ(list("BackColor")->currentText(), "Transparent");
    EXPECT_EQ(list("ScreenRot")->currentText(), "ROT 0");
    EXPECT_EQ(list("TimeZone")->count(), 90);
    EXPECT_EQ(preview()->geometry().size(), QSize(360, 288));
    EXPECT_EQ(inPreview(clock()), QPoint(0, 0));
    EXPECT_FALSE(logo()->isVisible());
    EXPECT_EQ(clock()->text(), "09:30:00");
    EXPECT_EQ(clock()->palette().color(QPalette::WindowText), QColor(Qt::white));
}

TEST_F(ConfigTest, TheClockFollowsTheDateAndTimeBoxesAtOnce) {
    open();

    tick("ShowDate");
    EXPECT_EQ(clock()->text(), "26/11/2009 09:30:00");
    EXPECT_EQ(params.ShowDate, 1) << "stored at the click, before OK";

    tick("ShowDate");
    tick("ShowTime");
    EXPECT_EQ(clock()->text(), "");

    services.clock.now = encodeDate({2026, 12, 10}) + encodeTime({17, 5, 9});
    tick("ShowTime");
    QTest::qWait(600);
    EXPECT_EQ(clock()->text(), "17:05:09");
}

TEST_F(ConfigTest, DraggingPlacesTheTopLeftCornerAtThePointerInsideThePreview) {
    const struct {
        QPoint pointer;
        QPoint stored;
    } cases[] = {
        {{100, 50}, {200, 100}},
        {{0, 0}, {0, 0}},
    };
    for (const auto& c : cases) {
        open();
        drag(clock(), c.pointer);
        click("ButtonOK");
        EXPECT_EQ(QPoint(params.xClock, params.yClock), c.stored) << c.pointer.x();
    }
}

TEST_F(ConfigTest, DraggingPastAnEdgeStopsFlushWithItAndOutsideMovesNothing) {
    open();
    drag(clock(), {359, 287});
    const QRect shown = clock()->geometry();
    EXPECT_EQ(shown.right(), preview()->geometry().right());
    EXPECT_EQ(shown.bottom(), preview()->geometry().bottom());

    drag(clock(), {-20, 400});
    EXPECT_EQ(clock()->geometry(), shown);
}

TEST_F(ConfigTest, ArrowKeysMoveTheFocusedClockWithinThePreview) {
    open();
    clock()->setFocus();
    QTest::keyClick(clock(), Qt::Key_Right);
    QTest::keyClick(clock(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(clock(), Qt::Key_Left);
    QTest::keyClick(clock(), Qt::Key_Left);
    click("ButtonOK");
    EXPECT_EQ(QPoint(params.xClock, params.yClock), QPoint(0, 20));
}

TEST_F(ConfigTest, TurningThePreviewPushesItemsInsideAndTurningBackLeavesThem) {
    open();
    drag(clock(), {300, 10});
    const int clockWidth = clock()->width();

    choose("ScreenRot", 1);
    EXPECT_EQ(preview()->geometry(), QRect(42, 0, 288, 360));
    EXPECT_EQ(clock()->x() + clockWidth, 42 + 288);

    const QPoint pushed = clock()->pos();
    choose("ScreenRot", 0);
    EXPECT_EQ(preview()->geometry(), QRect(8, 0, 360, 288));
    EXPECT_EQ(clock()->pos(), pushed);
    click("ButtonOK");
    EXPECT_EQ(params.Rotation, 0);
    EXPECT_EQ(params.xClock, 2 * (42 + 288 - clockWidth - 8));
}

TEST_F(ConfigTest, ARotationPastTheListShowsPortraitAndIsKeptUnlessChosen) {
    for (const std::uint8_t rotation : std::initializer_list<std::uint8_t>{1, 3, 7, 200}) {
        params.Rotation = rotation;
        open();
        EXPECT_EQ(preview()->geometry().size(), QSize(288, 360)) << int{rotation};
        EXPECT_EQ(list("ScreenRot")->currentIndex(), rotation <= 3 ? rotation : -1);
        click("ButtonOK");
        EXPECT_EQ(params.Rotation, rotation);
    }
}

TEST_F(ConfigTest, ValuesOnlyAnEditedFileHoldsAreShownSafelyAndStoredUnchanged) {
    params.TextColor = 23;
    params.BackColor = 255;
    params.TimeZoneIndex = 95;
    params.xLogo = -40;
    params.yLogo = -2;
    params.xClock = -30000;
    params.yClock = 301; // odd: a half-scale preview cannot show it, so only a move may change it
    params.ShowText = 1;
    params.Scroll = 1;
    setText(params.ScrollText, "caf\xE9 <news>");
    const MainParams loaded = params;

    open();
    EXPECT_EQ(list("FontColor")->currentIndex(), -1);
    EXPECT_EQ(list("BackColor")->currentIndex(), -1);
    EXPECT_EQ(list("TimeZone")->currentIndex(), -1);
    EXPECT_EQ(inPreview(clock()), QPoint(0, 150));
    click("ButtonOK");
    EXPECT_EQ(params, loaded);

    open();
    choose("TimeZone", 4);
    choose("FontColor", 10);
    click("ButtonOK");
    EXPECT_EQ(params.TimeZoneIndex, 4);
    EXPECT_EQ(params.TextColor, 10);
    EXPECT_EQ(params.BackColor, 255);
}

TEST_F(ConfigTest, EscapeAndTheCloseBoxPutTheRecordBackAsItWasOpened) {
    for (const bool useCloseBox : {false, true}) {
        ResetConfig(params);
        const MainParams opened = params;
        open();
        tick("ShowDate");
        choose("TimeZone", 7);
        drag(clock(), {50, 60});
        choose("FontColor", 4);
        ASSERT_NE(params, opened) << "a click on Date stores at once";
        EXPECT_EQ(clock()->text(), "26/11/2009 09:30:00");

        if (useCloseBox) {
            dialog.close();
        } else {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        }
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(params, opened) << (useCloseBox ? "close box" : "Escape");
    }
}

TEST_F(ConfigTest, OkStoresEveryControl) {
    open();
    tick("ShowDate");
    tick("CheckDST");
    choose("FontColor", 12);
    choose("BackColor", 6);
    choose("TimeZone", 33);
    choose("ScreenRot", 2);
    drag(clock(), {20, 30});
    click("ButtonOK");

    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(params.ShowDate, 1);
    EXPECT_EQ(params.EnableDST, 0);
    EXPECT_EQ(params.TextColor, 12);
    EXPECT_EQ(params.BackColor, 6);
    EXPECT_EQ(params.TimeZoneIndex, 33);
    EXPECT_EQ(params.Rotation, 2);
    EXPECT_EQ(QPoint(params.xClock, params.yClock), QPoint(40, 60));
    EXPECT_EQ(clock()->palette().color(QPalette::Window), QColor(0x00, 0x00, 0x80));
}

TEST_F(ConfigTest, TheHiddenTextFieldsAreCarriedThroughUnchanged) {
    params.ShowText = 1;
    params.Scroll = 1;
    setText(params.ScrollText, "Ofertas \x80 5");
    open();
    EXPECT_FALSE(child<QLineEdit>("EditText")->isVisible());
    tick("ShowDate");
    click("ButtonOK");
    EXPECT_EQ(params.ShowText, 1);
    EXPECT_EQ(params.Scroll, 1);
    EXPECT_EQ(textOf(params.ScrollText), "Ofertas \x80 5");
}

} // namespace
} // namespace orvex::testing
