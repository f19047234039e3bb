#include "model/store.h"
#include "platform/tests/fake_services.h"
#include "windows/insight/inspector_model.h"
#include "windows/insight/inspector_window.h"

#include <QDateEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimeEdit>
#include <gtest/gtest.h>
#include <memory>

namespace orvex {
namespace {

// Thursday 26 November 2009.
const std::int64_t kThursday = dayNumberOf(CivilDate{2009, 11, 26});

int at(int hour, int minute, int second) {
    return hour * 3600 + minute * 60 + second;
}

class InspectorTest : public ::testing::Test {
protected:
    testing::FakeServices services;
    std::unique_ptr<LoopTable> loops = std::make_unique<LoopTable>();
    std::unique_ptr<InspectorWindow> window;

    void SetUp() override {
        ClearLoops(*loops);
        LoopEntry& breakfast = add("Breakfast");
        breakfast.bTimeIni = breakfast.bTimeEnd = 1;
        breakfast.TimeIni = encodeDateTime(0, at(7, 0, 0));
        breakfast.TimeEnd = encodeDateTime(0, at(10, 30, 0));
        LoopEntry& weekend = add("Weekend");
        weekend.bWeekDay = 1;
        weekend.WeekDay = 6;
        LoopEntry& christmas = add("Christmas");
        christmas.bDateIni = christmas.bDateEnd = 1;
        christmas.DateIni = encodeDate({2009, 12, 1});
        christmas.DateEnd = encodeDate({2009, 12, 26});
        add("Spare").Checked = 0;
        add("Remote promo").Event = 3;
        LoopEntry& evening = add("Evening");
        evening.bTimeIni = 1;
        evening.TimeIni = encodeDateTime(0, at(18, 0, 0));
        window = std::make_unique<InspectorWindow>(*loops);
    }

    LoopEntry& add(const char* name) {
        LoopEntry& loop = *AddLoop(*loops);
        setText(loop.Name, name);
        return loop;
    }

    QTableView* table() const { return window->findChild<QTableView*>("InspectTable"); }
    QString cell(int row, int column) const {
        return table()->model()->index(row, column).data().toString();
    }
    QStringList row(int r) const {
        QStringList texts;
        for (const int column :
             {InspectorModel::Loop, InspectorModel::State, InspectorModel::WhyNot,
              InspectorModel::RemoteEvent, InspectorModel::NextStart}) {
            texts << cell(r, column);
        }
        return texts;
    }
};

TEST_F(InspectorTest, EachLoopInPriorityOrderWithItsStateAndTheConditionsThatFail) {
    window->inspect({kThursday, at(8, 0, 0)});
    ASSERT_TRUE(window->isVisible());
    ASSERT_EQ(table()->model()->rowCount(), 6);
    const QStringList expected[] = {
        {"Breakfast", "Active", "", "", "27/11/2009 07:00:00"},
        {"Weekend", "Not playing", "only on Saturdays", "", "28/11/2009 00:00:00"},
        {"Christmas", "Not playing", "starts 01/12/2009", "", "01/12/2009 00:00:00"},
        {"Spare", "Not playing", "unticked", "", "none within a year"},
        {"Remote promo", "Overlapped by Breakfast", "", "waits for KEY_1", "none within a year"},
        {"Evening", "Not playing", "from 18:00:00", "", "26/11/2009 18:00:00"},
    };
    for (int r = 0; r < 6; ++r) {
        EXPECT_EQ(row(r), expected[r]) << r;
        EXPECT_EQ(cell(r, InspectorModel::Priority), QString::number(r + 1));
    }
    EXPECT_EQ(cell(0, InspectorModel::Conditions),
              "\u2713 ticked, \u2713 from 07:00:00, \u2713 until 10:30:00");
    EXPECT_EQ(cell(1, InspectorModel::Conditions), "\u2713 ticked, \u2717 only on Saturdays");
    EXPECT_EQ(table()->model()->index(0, InspectorModel::State).data(Qt::BackgroundRole),
              QVariant(QColor(0xCC, 0xFF, 0xCC)));
    EXPECT_EQ(table()->model()->index(4, InspectorModel::State).data(Qt::BackgroundRole),
              QVariant(QColor(0xFF, 0xFF, 0xCC)));
}

TEST_F(InspectorTest, AnotherMomentTypedInAnswersAgain) {
    window->inspect({kThursday, at(8, 0, 0)}, 2);
    EXPECT_EQ(table()->selectionModel()->selectedRows().value(0).row(), 2);

    auto* date = window->findChild<QDateEdit*>("InspectDate");
    auto* time = window->findChild<QTimeEdit*>("InspectTime");
    ASSERT_EQ(date->date(), QDate(2009, 11, 26));
    ASSERT_EQ(time->time(), QTime(8, 0, 0));
    // A month and a day up on the date, eleven hours up on the time, as the arrow keys step.
    date->setFocus();
    date->setCurrentSection(QDateTimeEdit::MonthSection);
    QTest::keyClick(date, Qt::Key_Up);
    date->setCurrentSection(QDateTimeEdit::DaySection);
    QTest::keyClick(date, Qt::Key_Up);
    time->setFocus();
    time->setCurrentSection(QDateTimeEdit::HourSection);
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(time, Qt::Key_Up);
    }
    ASSERT_EQ(window->moment(), (Moment{dayNumberOf(CivilDate{2009, 12, 27}), at(19, 0, 0)}));
    EXPECT_EQ(row(0)[1], "Not playing");
    EXPECT_EQ(row(0)[2], "until 10:30:00");
    EXPECT_EQ(row(1)[2], "only on Saturdays");
    EXPECT_EQ(row(2)[2], "ends 26/12/2009");
    EXPECT_EQ(row(2)[4], "none within a year");
    EXPECT_EQ(row(4)[1], "Active");
    EXPECT_EQ(row(5)[1], "Overlapped by Remote promo");
}

TEST_F(InspectorTest, EnterDoesNotCloseTheWindowButCloseDoes) {
    window->inspect({kThursday, 0});
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    auto* time = window->findChild<QTimeEdit*>("InspectTime");
    time->setFocus();
    QTest::keyClick(time, Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    QTest::mouseClick(window->findChild<QPushButton*>("InspectClose"), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
}

} // namespace
} // namespace orvex
