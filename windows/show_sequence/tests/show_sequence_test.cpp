#include "model/store.h"
#include "platform/tests/fake_services.h"
#include "windows/insight/inspector_model.h"
#include "windows/insight/inspector_window.h"
#include "windows/insight/timeline_window.h"
#include "windows/show_sequence/unit_show_sequence.h"

#include <QCalendarWidget>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>

namespace orvex {
namespace {

const QColor kActive(0xCC, 0xFF, 0xCC);
const QColor kOverlapped(0xFF, 0xFF, 0xCC);
const QColor kOff(0xFF, 0xCC, 0xCC);
const QColor kTime(0xEE, 0xEE, 0xEE);

TDateTime at(int hour, int minute, int second) {
    return encodeTime({hour, minute, second});
}

class ShowSequenceTest : public ::testing::Test {
protected:
    testing::FakeServices services;
    std::unique_ptr<LoopTable> loops = std::make_unique<LoopTable>();
    std::unique_ptr<TFormShowSeq> window;

    void SetUp() override {
        ClearLoops(*loops);
        window = std::make_unique<TFormShowSeq>(*loops);
    }

    LoopEntry& addLoop(const std::string& name) {
        LoopEntry* loop = AddLoop(*loops);
        setText(loop->Name, name);
        return *loop;
    }

    LoopEntry& addLoop(const std::string& name, TDateTime from, TDateTime to) {
        LoopEntry& loop = addLoop(name);
        loop.bTimeIni = loop.bTimeEnd = 1;
        loop.TimeIni = from;
        loop.TimeEnd = to;
        return loop;
    }

    template <typename T> T* control(const char* name) const {
        T* found = window->findChild<T*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    TextGrid* grid() const { return control<TextGrid>("SeqGrid"); }
    QCalendarWidget* calendar() const { return control<QCalendarWidget>("MonthCalendar1"); }

    QString text(int column, int row) const { return grid()->cellText({column, row}); }

    // The colour the grid paints a cell with, taken beside its top-left corner, clear of text.
    QColor colorOf(int column, int row) const {
        const QRect rect = grid()->cellRect({column, row});
        EXPECT_FALSE(rect.isEmpty()) << column << "," << row << " is out of sight";
        return grid()->viewport()->grab().toImage().pixelColor(rect.topLeft() + QPoint(2, 2));
    }

    QColor background() const { return window->palette().color(QPalette::Window); }

    void clickDate(QDate date) const {
        calendar()->setCurrentPage(date.year(), date.month());
        auto* view = calendar()->findChild<QTableView*>("qt_calendar_calendarview");
        ASSERT_NE(view, nullptr);
        const QAbstractItemModel* model = view->model();
        // The days of the month around this one show too: early ones after this month's days,
        // late ones before them.
        const QString day = QString::number(date.day());
        std::optional<QModelIndex> target;
        for (int row = 0; row < model->rowCount(); ++row) {
            for (int column = 0; column < model->columnCount(); ++column) {
                const QModelIndex index = model->index(row, column);
                if (model->data(index).toString() == day && (date.day() > 14 || !target)) {
                    target = index;
                }
            }
        }
        ASSERT_TRUE(target);
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(*target).center());
        ASSERT_EQ(calendar()->selectedDate(), date);
    }

    void hover(int column, int row) const {
        QTest::mouseMove(grid()->viewport(), grid()->cellRect({column, row}).center());
    }
};

TEST_F(ShowSequenceTest, FirstShowingIsForToday) {
    services.clock.now = encodeDate({2031, 3, 5}) + at(23, 59, 59);
    LoopEntry& loop = addLoop("Opening");
    loop.bDateIni = loop.bDateEnd = 1;
    loop.DateIni = loop.DateEnd = encodeDate({2031, 3, 5});
    window->show();

    EXPECT_EQ(calendar()->selectedDate(), QDate(2031, 3, 5));
    EXPECT_EQ(calendar()->monthShown(), 3);
    EXPECT_EQ(calendar()->yearShown(), 2031);
    EXPECT_EQ(text(0, 0), "00:00:00");
    EXPECT_EQ(text(1, 0), "Opening");
    EXPECT_EQ(window->windowTitle(), "Show Schedule");
    EXPECT_EQ(control<QPushButton>("ButtonClose")->text(), "Close");
}

TEST_F(ShowSequenceTest, EmptySequenceShowsAnEmptyGrid) {
    window->show();
    ASSERT_EQ(grid()->columnCount(), 32);
    ASSERT_EQ(grid()->rowCount(), 128);
    for (int row = 0; row < grid()->rowCount(); ++row) {
        for (int column = 0; column < grid()->columnCount(); ++column) {
            ASSERT_TRUE(text(column, row).isEmpty()) << column << "," << row;
        }
    }
    for (const auto& [column, row] : {std::pair{0, 0}, {1, 0}, {3, 5}}) {
        EXPECT_EQ(colorOf(column, row), background()) << column << "," << row;
    }
}

TEST_F(ShowSequenceTest, GridShowsTimesNamesAndStateColours) {
    addLoop("News", at(8, 0, 0), at(12, 0, 0));
    addLoop("Adverts");
    window->show();

    struct Cell {
        int column, row;
        const char* text;
        QColor color;
    };
    const Cell cells[] = {
        {0, 0, "00:00:00", kTime}, {1, 0, "Adverts", kActive},     {2, 0, "", background()},
        {0, 1, "08:00:00", kTime}, {1, 1, "Adverts", kOverlapped}, {2, 1, "News", kActive},
        {0, 2, "12:00:01", kTime}, {1, 2, "Adverts", kActive},     {2, 2, "News", kOff},
        {3, 2, "", background()},  {0, 3, "", background()},       {1, 3, "", background()},
    };
    for (const Cell& cell : cells) {
        EXPECT_EQ(text(cell.column, cell.row), cell.text) << cell.column << "," << cell.row;
        EXPECT_EQ(colorOf(cell.column, cell.row), cell.color) << cell.column << "," << cell.row;
    }
}

// A 12-hour regional clock would not fit the column, and the times must sort as text.
TEST_F(ShowSequenceTest, TimesAreOnA24HourClockWhateverTheRegion) {
    services.regional.twelveHour = true;
    services.regional.hourLeadingZero = false;
    services.regional.timeSeparator = ".";
    services.regional.amDesignator = "AM";
    services.regional.pmDesignator = "PM";
    addLoop("Evening", at(18, 30, 0), at(23, 59, 59));
    addLoop("Early", at(5, 4, 3), at(5, 4, 3));
    window->show();
    EXPECT_EQ(text(0, 0), "05:04:03");
    EXPECT_EQ(text(0, 1), "05:04:04");
    EXPECT_EQ(text(0, 2), "18:30:00");
}

TEST_F(ShowSequenceTest, ClickingADateRebuildsEveryRow) {
    LoopEntry& sundays = addLoop("Sundays", at(9, 0, 0), at(10, 0, 0));
    sundays.bWeekDay = 1;
    sundays.WeekDay = 0;
    addLoop("Mornings", at(6, 0, 0), at(7, 0, 0));
    window->show();
    ASSERT_EQ(text(1, 2), "");

    clickDate(QDate(2009, 1, 18));
    EXPECT_EQ(text(0, 2), "09:00:00");
    EXPECT_EQ(text(1, 2), "Sundays");
    EXPECT_EQ(text(0, 3), "10:00:01");

    clickDate(QDate(2009, 2, 2));
    EXPECT_EQ(text(0, 1), "07:00:01");
    EXPECT_EQ(text(0, 2), "");
    EXPECT_EQ(text(1, 2), "");
    EXPECT_EQ(colorOf(1, 2), background());
}

TEST_F(ShowSequenceTest, ReopeningKeepsTheDateAndShowsTheLatestLoops) {
    LoopEntry& loop = addLoop("Loop1", at(8, 0, 0), at(9, 0, 0));
    window->show();
    clickDate(QDate(2009, 1, 20));
    window->hide();

    services.clock.now += 3;
    loop.TimeIni = at(8, 30, 0);
    addLoop("Loop2");
    window->show();
    EXPECT_EQ(calendar()->selectedDate(), QDate(2009, 1, 20));
    EXPECT_EQ(text(0, 1), "08:30:00");
    EXPECT_EQ(text(2, 1), "Loop1");
    EXPECT_EQ(colorOf(1, 1), kOverlapped);
}

TEST_F(ShowSequenceTest, CloseEndsTheModalShowing) {
    addLoop("Loop1");
    QTimer::singleShot(0, window.get(), [this] {
        EXPECT_EQ(text(1, 0), "Loop1");
        QTest::mouseClick(control<QPushButton>("ButtonClose"), Qt::LeftButton);
    });
    window->exec();
    EXPECT_FALSE(window->isVisible());
}

// Typing a year into the calendar ends with Enter, which must not take the window away.
TEST_F(ShowSequenceTest, OnlyCloseAndEscapeCloseTheWindow) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseClick(calendar()->findChild<QToolButton*>("qt_calendar_yearbutton"),
                      Qt::LeftButton);
    auto* yearEdit = calendar()->findChild<QSpinBox*>("qt_calendar_yearedit");
    ASSERT_NE(yearEdit, nullptr);
    ASSERT_TRUE(yearEdit->hasFocus());
    yearEdit->selectAll();
    QTest::keyClicks(yearEdit, "2012");
    QTest::keyClick(yearEdit, Qt::Key_Return);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(calendar()->yearShown(), 2012);
    for (QWidget* target : {static_cast<QWidget*>(calendar()), grid()->viewport()}) {
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
            target->setFocus();
            QTest::keyClick(target, key);
            EXPECT_TRUE(window->isVisible()) << target->objectName().toStdString() << key;
        }
    }

    QTest::keyClick(calendar(), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(ShowSequenceTest, TooltipShowsTheFullNameOfAnyLoopCell) {
    const std::string longName(63, 'W');
    addLoop(longName);
    addLoop("Second");
    addLoop("Third", at(1, 0, 0), at(2, 0, 0));
    window->show();
    struct Hover {
        int column, row;
        QString tip;
    };
    const QString full = QString::fromStdString(longName);
    const Hover hovers[] = {
        {1, 0, "Second"}, {2, 0, full}, {0, 0, ""},      {1, 1, "Third"},
        {3, 1, full},     {4, 1, ""},   {1, 2, "Third"}, {0, 5, ""},
    };
    for (const Hover& h : hovers) {
        hover(h.column, h.row);
        EXPECT_EQ(grid()->viewport()->toolTip(), h.tip) << h.column << "," << h.row;
    }
}

// Drawing the text as it should look and comparing pixels shows both the placement and the
// clipping: a time centred in bold, a name too wide for its cell cut at the right edge.
TEST_F(ShowSequenceTest, TextIsCentredOrClippedInItsCell) {
    const std::string longName = "A name far too wide for a seventy pixel column";
    addLoop(longName, at(7, 5, 0), at(23, 59, 59));
    window->show();
    const QImage shown = grid()->viewport()->grab().toImage();
    const auto expectDrawn = [&](int column, const QString& cellText, QColor color, bool bold) {
        const QRect rect = grid()->cellRect({column, 0});
        QImage expected(rect.size(), shown.format());
        QPainter painter(&expected);
        painter.fillRect(expected.rect(), color);
        QFont font = grid()->font();
        font.setBold(bold);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const QFontMetrics metrics(font);
        const int width = metrics.horizontalAdvance(cellText);
        const int x = width < rect.width() ? (rect.width() - width) / 2 : 0;
        painter.drawText(x, (rect.height() - metrics.height()) / 2 + metrics.ascent(), cellText);
        painter.end();
        EXPECT_EQ(shown.copy(rect), expected) << cellText.toStdString();
    };
    expectDrawn(0, "07:05:00", kTime, true);
    expectDrawn(1, QString::fromStdString(longName), kActive, false);
}

TEST_F(ShowSequenceTest, GridGrowsToShowEveryRowAndEntry) {
    for (int i = 0; i < kMaxLoops; ++i) {
        addLoop("L" + std::to_string(i), at(1, 0, i), at(20, 0, i));
    }
    window->show();
    ASSERT_EQ(grid()->rowCount(), 256);
    ASSERT_EQ(grid()->columnCount(), 129);
    EXPECT_EQ(text(0, 127), "01:02:07");
    EXPECT_EQ(text(1, 127), "L127");
    EXPECT_EQ(text(128, 127), "L0");
    EXPECT_EQ(text(0, 255), "20:02:08");

    grid()->horizontalScrollBar()->setValue(grid()->horizontalScrollBar()->maximum());
    grid()->verticalScrollBar()->setValue(127 * 25);
    EXPECT_EQ(colorOf(127, 127), kOverlapped);
    EXPECT_EQ(colorOf(128, 127), kActive);
}

TEST_F(ShowSequenceTest, ANewComputationScrollsBackToTheFirstCell) {
    for (int i = 0; i < 40; ++i) {
        LoopEntry& loop = addLoop("L" + std::to_string(i), at(1, 0, i), at(20, 0, i));
        loop.bDateEnd = 1;
        loop.DateEnd = encodeDate({2009, 11, 26});
    }
    addLoop("Always");
    window->show();
    QScrollBar* across = grid()->horizontalScrollBar();
    QScrollBar* down = grid()->verticalScrollBar();
    across->setValue(across->maximum());
    down->setValue(down->maximum());
    ASSERT_GT(across->value(), 0);
    ASSERT_GT(down->value(), 0);

    clickDate(QDate(2009, 11, 27));
    EXPECT_EQ(across->value(), 0);
    EXPECT_EQ(down->value(), 0);
    EXPECT_EQ(text(1, 0), "Always");
    EXPECT_EQ(colorOf(1, 0), kActive);
}

TEST_F(ShowSequenceTest, ClickingACellInspectsThatRowsTimeOnThatLoop) {
    addLoop("News", at(8, 0, 0), at(12, 0, 0));
    LoopEntry& promo = addLoop("Promo");
    promo.Event = 3;
    window->show();
    clickDate(QDate(2009, 11, 27));
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->cellRect({1, 1}).center());

    auto* inspector =
        window->findChild<InspectorWindow*>("InspectorWindow", Qt::FindDirectChildrenOnly);
    ASSERT_NE(inspector, nullptr);
    ASSERT_TRUE(inspector->isVisible());
    EXPECT_EQ(inspector->moment(), (Moment{dayNumberOf(CivilDate{2009, 11, 27}), 8 * 3600}));
    auto* table = inspector->findChild<QTableView*>("InspectTable");
    EXPECT_EQ(table->selectionModel()->selectedRows().value(0).row(), 1);
    const auto state = [&](int row) {
        return table->model()->index(row, InspectorModel::State).data().toString();
    };
    EXPECT_EQ(state(0), "Active");
    EXPECT_EQ(state(1), "Overlapped by News");

    // The time column asks about the moment alone; rows below the last ask nothing.
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->cellRect({0, 2}).center());
    EXPECT_EQ(inspector->moment().second, 12 * 3600 + 1);
    EXPECT_TRUE(table->selectionModel()->selectedRows().isEmpty());
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->cellRect({0, 5}).center());
    EXPECT_EQ(inspector->moment().second, 12 * 3600 + 1);

    window->hide();
    EXPECT_FALSE(inspector->isVisible());
}

TEST_F(ShowSequenceTest, TimelineOpensOnTheCalendarsDate) {
    addLoop("News");
    window->show();
    clickDate(QDate(2009, 12, 3));
    QTest::mouseClick(grid()->viewport(), Qt::LeftButton, {}, grid()->cellRect({1, 0}).center());
    auto* inspector =
        window->findChild<InspectorWindow*>("InspectorWindow", Qt::FindDirectChildrenOnly);
    ASSERT_TRUE(inspector->isVisible());
    auto* timeline =
        window->findChild<TimelineWindow*>("TimelineWindow", Qt::FindDirectChildrenOnly);
    ASSERT_NE(timeline, nullptr);
    QTimer::singleShot(0, timeline, [&] {
        EXPECT_TRUE(timeline->isVisible());
        EXPECT_EQ(timeline->firstDay(), dayNumberOf(CivilDate{2009, 12, 3}));
        EXPECT_FALSE(inspector->isVisible());
        timeline->close();
    });
    QTest::mouseClick(control<QPushButton>("ButtonTimeline"), Qt::LeftButton);
    EXPECT_FALSE(timeline->isVisible());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ShowSequenceTest, DraggingAColumnLineResizesTheColumn) {
    addLoop("Loop1");
    window->show();
    QWidget* viewport = grid()->viewport();
    const QRect cell = grid()->cellRect({1, 0});
    const QPoint line(cell.right() + 1, cell.center().y());
    QTest::mousePress(viewport, Qt::LeftButton, {}, line);
    QTest::mouseMove(viewport, line + QPoint(30, 0));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, line + QPoint(30, 0));
    EXPECT_EQ(grid()->columnWidth(1), 100);
    EXPECT_EQ(grid()->cellRect({2, 0}).left(), line.x() + 31);
}

TEST_F(ShowSequenceTest, LegendNamesTheColours) {
    window->show();
    const QImage shown = window->grab().toImage();
    const struct {
        const char* shape;
        const char* label;
        const char* text;
        QColor color;
    } legend[] = {{"Shape1", "Label1", "Active Item", kActive},
                  {"Shape2", "Label2", "Item Overlapped", kOverlapped},
                  {"Shape3", "Label3", "Item OFF", kOff}};
    for (const auto& item : legend) {
        const QRect swatch = control<QFrame>(item.shape)->geometry();
        EXPECT_EQ(shown.pixelColor(swatch.center()), item.color) << item.shape;
        EXPECT_EQ(control<QLabel>(item.label)->text(), item.text);
    }
}

} // namespace
} // namespace orvex
