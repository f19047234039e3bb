#include "model/store.h"
#include "platform/tests/fake_services.h"
#include "schedule/clock_text.h"
#include "windows/insight/inspector_model.h"
#include "windows/insight/inspector_window.h"
#include "windows/insight/span_look.h"
#include "windows/insight/timeline_view.h"
#include "windows/insight/timeline_window.h"

#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>

namespace orvex {
namespace {

const QColor kActive(0xCC, 0xFF, 0xCC);
const QColor kOverlapped(0xFF, 0xFF, 0xCC);

// Monday 23 November 2009; the fake clock's today is the Thursday after it.
const std::int64_t kMonday = dayNumberOf(CivilDate{2009, 11, 23});
const std::int64_t kToday = kMonday + 3;

int at(int hour, int minute, int second) {
    return hour * 3600 + minute * 60 + second;
}

class TimelineTest : public ::testing::Test {
protected:
    testing::FakeServices services;
    std::unique_ptr<LoopTable> loops = std::make_unique<LoopTable>();
    std::unique_ptr<TimelineWindow> window;

    void SetUp() override {
        ClearLoops(*loops);
        LoopEntry& news = add("News");
        news.bTimeIni = news.bTimeEnd = 1;
        news.TimeIni = encodeDateTime(0, at(8, 0, 0));
        news.TimeEnd = encodeDateTime(0, at(11, 59, 59));
        LoopEntry& adverts = add("Adverts");
        adverts.bTimeIni = 1;
        adverts.TimeIni = encodeDateTime(0, at(6, 0, 0));
        adverts.Event = 3;
        window = std::make_unique<TimelineWindow>(*loops);
        window->resize(1000, 600);
    }

    LoopEntry& add(const std::string& name) {
        LoopEntry& loop = *AddLoop(*loops);
        setText(loop.Name, name);
        return loop;
    }

    template <typename T> T* control(const char* name) const {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    TimelineView* view() const { return control<TimelineView>("TimelineView"); }
    QTableView* inspectorTable() const {
        return window->inspector()->findChild<QTableView*>("InspectTable");
    }

    QPoint pointOf(std::int64_t day, int second, std::optional<std::uint8_t> loop) const {
        return {view()->xOf({day, second}) + 1, view()->laneRect(loop).center().y()};
    }
    // The colour most of the pixels around the point have, clear of a hatch's lines.
    QColor colorAt(std::int64_t day, int second, std::optional<std::uint8_t> loop) const {
        return colorsAround(pointOf(day, second, loop)).rbegin()->second;
    }
    // The colours of a 7 x 7 box by how many of its pixels have them.
    std::multimap<int, QColor> colorsAround(QPoint point) const {
        const QImage image = view()->viewport()->grab().toImage();
        std::map<QRgb, int> counts;
        for (int dx = -3; dx <= 3; ++dx) {
            for (int dy = -3; dy <= 3; ++dy) {
                ++counts[image.pixel(point + QPoint(dx, dy))];
            }
        }
        std::multimap<int, QColor> byCount;
        for (const auto& [rgb, count] : counts) {
            byCount.emplace(count, QColor(rgb));
        }
        return byCount;
    }
    QString hover(std::int64_t day, int second, std::optional<std::uint8_t> loop) const {
        QTest::mouseMove(view()->viewport(), pointOf(day, second, loop));
        return view()->viewport()->toolTip();
    }
};

TEST_F(TimelineTest, AWeekFromTodayAtFirstThenTheUsersLastDate) {
    window->show();
    EXPECT_EQ(control<QDateEdit>("TimelineDate")->date(), QDate(2009, 11, 26));
    ASSERT_EQ(view()->days().size(), 7U);
    EXPECT_EQ(view()->days().front().day, kToday);

    control<QDateEdit>("TimelineDate")->setDate(QDate(2009, 11, 23));
    window->hide();
    services.clock.now += 10;
    window->show();
    EXPECT_EQ(view()->days().front().day, kMonday);
}

TEST_F(TimelineTest, LanesShowActiveAndOverlappedSpansInTheLegendColours) {
    window->setFirstDay(kMonday);
    window->show();
    EXPECT_EQ(colorAt(kMonday + 2, at(9, 0, 0), 0), kActive);
    EXPECT_EQ(colorAt(kMonday + 2, at(9, 0, 0), 1), kOverlapped);
    EXPECT_EQ(colorAt(kMonday + 2, at(13, 0, 0), 1), kActive);
    EXPECT_EQ(colorAt(kMonday + 2, at(3, 0, 0), 0), view()->palette().color(QPalette::Base));
    EXPECT_EQ(colorAt(kMonday + 2, at(9, 0, 0), std::nullopt), kActive);
    EXPECT_EQ(colorAt(kMonday + 2, at(3, 0, 0), std::nullopt), kNothingPlaysColor);
    // The lane of a loop that waits for a remote event is hatched, the other one is not.
    EXPECT_EQ(colorsAround(pointOf(kMonday + 2, at(13, 0, 0), 1)).size(), 2U);
    EXPECT_EQ(colorsAround(pointOf(kMonday + 2, at(9, 0, 0), 0)).size(), 1U);
}

TEST_F(TimelineTest, HoveringTellsLoopStateAndSpan) {
    window->setFirstDay(kMonday);
    window->show();
    const struct {
        std::int64_t day;
        int second;
        std::optional<std::uint8_t> loop;
        const char* tip;
    } hovers[] = {
        {kMonday, at(9, 0, 0), 0, "News: Active, 08:00:00 to 11:59:59, Mon 23/11/2009"},
        {kMonday + 1, at(9, 0, 0), 1,
         "Adverts: Overlapped by News, 08:00:00 to 11:59:59, Tue 24/11/2009\nwaits for KEY_1"},
        {kMonday + 6, at(20, 0, 0), 1,
         "Adverts: Active, 12:00:00 to 23:59:59, Sun 29/11/2009\nwaits for KEY_1"},
        {kMonday, at(3, 0, 0), std::nullopt, "Nothing plays, 00:00:00 to 05:59:59, Mon 23/11/2009"},
        {kMonday, at(9, 0, 0), std::nullopt,
         "On screen: News, 08:00:00 to 11:59:59, Mon 23/11/2009"},
    };
    for (const auto& h : hovers) {
        EXPECT_EQ(hover(h.day, h.second, h.loop), h.tip) << h.tip;
    }
    // A pixel of the week spans minutes: the time said is the one under the pointer.
    const QPoint point = pointOf(kMonday, at(13, 0, 0), 0);
    const auto hit = view()->hitAt(point);
    ASSERT_TRUE(hit);
    EXPECT_EQ(hover(kMonday, at(13, 0, 0), 0),
              QString("News: not playing at %1, Mon 23/11/2009")
                  .arg(QString::fromStdString(clockText(hit->moment.second))));
}

TEST_F(TimelineTest, AClickOpensTheInspectorAtThatMomentOnThatLoop) {
    window->setFirstDay(kMonday);
    window->show();
    QTest::mouseClick(view()->viewport(), Qt::LeftButton, {},
                      pointOf(kMonday + 2, at(9, 30, 0), 1));
    InspectorWindow* inspector = window->inspector();
    ASSERT_TRUE(inspector->isVisible());
    const Moment moment = inspector->moment();
    EXPECT_EQ(moment.day, kMonday + 2);
    // A pixel spans some minutes of a week.
    EXPECT_NEAR(moment.second, at(9, 30, 0), 600);
    EXPECT_EQ(inspectorTable()->selectionModel()->selectedRows().value(0).row(), 1);
    EXPECT_EQ(inspectorTable()->model()->index(1, InspectorModel::State).data().toString(),
              "Overlapped by News");

    window->hide();
    EXPECT_FALSE(inspector->isVisible());
}

TEST_F(TimelineTest, DayAndWeekSwitchAndStepThroughTime) {
    window->setFirstDay(kMonday);
    window->show();
    QTest::mouseClick(control<QRadioButton>("TimelineDay"), Qt::LeftButton);
    ASSERT_EQ(view()->days().size(), 1U);
    QTest::mouseClick(control<QPushButton>("TimelineNext"), Qt::LeftButton);
    EXPECT_EQ(view()->days().front().day, kMonday + 1);
    QTest::mouseClick(control<QRadioButton>("TimelineWeek"), Qt::LeftButton);
    ASSERT_EQ(view()->days().size(), 7U);
    QTest::mouseClick(control<QPushButton>("TimelinePrevious"), Qt::LeftButton);
    EXPECT_EQ(view()->days().front().day, kMonday - 6);
}

TEST_F(TimelineTest, TheKeyboardWalksMomentsAndLanesAndEnterInspects) {
    window->setFirstDay(kMonday);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_TRUE(view()->hasFocus());
    auto* status = control<QLabel>("TimelineStatus");
    EXPECT_EQ(status->text(), "Nothing plays, 00:00:00 to 05:59:59, Mon 23/11/2009");

    QTest::keyClick(view(), Qt::Key_Down);
    QTest::keyClick(view(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(view()->cursorPoint(), (TimelineHit{{kMonday, at(8, 0, 0)}, 0}));
    EXPECT_EQ(status->text(), "News: Active, 08:00:00 to 11:59:59, Mon 23/11/2009");
    QTest::keyClick(view(), Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(view()->cursorPoint(), (TimelineHit{{kMonday, at(12, 0, 0)}, 0}));
    QTest::keyClick(view(), Qt::Key_Right);
    QTest::keyClick(view(), Qt::Key_Down);
    EXPECT_EQ(view()->cursorPoint(), (TimelineHit{{kMonday, at(13, 0, 0)}, 1}));

    QTest::keyClick(view(), Qt::Key_Return);
    ASSERT_TRUE(window->isVisible());
    ASSERT_TRUE(window->inspector()->isVisible());
    EXPECT_EQ(window->inspector()->moment(), (Moment{kMonday, at(13, 0, 0)}));
    EXPECT_EQ(inspectorTable()->model()->index(1, InspectorModel::State).data().toString(),
              "Active");
}

// Every lane of a full sequence can be scrolled to and read.
TEST_F(TimelineTest, AFullSequenceScrollsToItsLastLane) {
    ClearLoops(*loops);
    for (int i = 0; i < kMaxLoops; ++i) {
        LoopEntry& loop = add("L" + std::to_string(i));
        loop.bTimeIni = loop.bTimeEnd = 1;
        loop.TimeIni = encodeDateTime(0, at(1, 0, i));
        loop.TimeEnd = encodeDateTime(0, at(20, 0, i));
    }
    window->setFirstDay(kMonday);
    window->show();
    EXPECT_TRUE(view()->laneRect(127).isEmpty());
    view()->setFocus();
    QTest::keyClick(view(), Qt::Key_End);
    QTest::keyClick(view(), Qt::Key_PageDown);
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(view(), Qt::Key_PageDown);
    }
    ASSERT_EQ(view()->cursorPoint().loop, 127);
    EXPECT_FALSE(view()->laneRect(127).isEmpty());
    EXPECT_EQ(view()->verticalScrollBar()->value(), view()->verticalScrollBar()->maximum());
    EXPECT_EQ(hover(kMonday + 3, at(10, 0, 0), 127),
              "L127: Overlapped by L0, 01:02:07 to 20:02:06, Thu 26/11/2009");
}

} // namespace
} // namespace orvex
