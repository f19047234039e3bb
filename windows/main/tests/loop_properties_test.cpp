#include "windows/main/checked_picker.h"
#include "windows/main/tests/editor_fixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QGuiApplication>
#include <QLineEdit>
#include <QSpinBox>
#include <QToolTip>
#include <cstring>

namespace orvex::testing {
namespace {

class LoopPropertiesTest : public EditorTest {
protected:
    void SetUp() override {
        EditorTest::SetUp();
        addLoops(2);
        clickRow(loopList(), 0);
        changes = 0;
    }

    QStringList row0() { return rowTexts(loopList(), 0); }

    void tick(const char* name) { QTest::mouseClick(child<QCheckBox>(name), Qt::LeftButton); }
    void tickPicker(const char* name) {
        QTest::mouseClick(child<CheckedPicker>(name)->checkBox(), Qt::LeftButton);
    }
    // Steps the picker's first section (day, or hour) up by one.
    void stepPicker(const char* name) {
        QDateTimeEdit* edit = child<CheckedPicker>(name)->editor();
        edit->setCurrentSectionIndex(0);
        QTest::keyClick(edit, Qt::Key_Up);
    }
    void choose(const char* name, int index) {
        QComboBox* box = child<QComboBox>(name);
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Home);
        for (int i = 0; i < index; ++i) {
            QTest::keyClick(box, Qt::Key_Down);
        }
    }
};

TEST_F(LoopPropertiesTest, TheNameBoxRenamesTheLoopAndItsRow) {
    QLineEdit* edit = child<QLineEdit>("EditName");
    edit->selectAll();
    typeText(edit, QString::fromUtf8("Caf\u00e9 \u20ac"));
    EXPECT_EQ(textOf(loop(0).Name), "Caf\xe9 \x80");
    EXPECT_EQ(cell(loopList(), 0, 0), QString::fromUtf8("Caf\u00e9 \u20ac"));
    EXPECT_EQ(cell(loopList(), 1, 0), "B");
}

TEST_F(LoopPropertiesTest, DatePickersWriteTheirDayAndFlagAndTheirCell) {
    tickPicker("DateIni");
    EXPECT_EQ(loop(0).bDateIni, 1);
    EXPECT_EQ(loop(0).DateIni, encodeDate({2009, 11, 26}));
    stepPicker("DateIni");
    EXPECT_EQ(loop(0).DateIni, encodeDate({2009, 11, 27}));
    EXPECT_EQ(row0()[1], "27/11/2009");

    tickPicker("DateEnd");
    EXPECT_EQ(row0()[2], "26/11/2009");
    tickPicker("DateEnd");
    EXPECT_EQ(loop(0).bDateEnd, 0);
    EXPECT_EQ(row0()[2], "----");
    EXPECT_EQ(changes, 4);
}

TEST_F(LoopPropertiesTest, TimePickersWriteTheirTimeAndFlagAndTheirCell) {
    tickPicker("TimeIni");
    stepPicker("TimeIni");
    EXPECT_EQ(loop(0).bTimeIni, 1);
    EXPECT_EQ(loop(0).TimeIni, encodeTime({10, 30, 0}));
    EXPECT_EQ(row0()[5], "10:30:00");
    tickPicker("TimeEnd");
    EXPECT_EQ(row0()[6], "09:30:00");
}

TEST_F(LoopPropertiesTest, WeekDayBoxAndListWriteTheirFieldsAndCell) {
    EXPECT_FALSE(child<QComboBox>("WeekDay")->isEnabled());
    tick("CB_WeekDay");
    EXPECT_EQ(loop(0).bWeekDay, 1);
    EXPECT_TRUE(child<QComboBox>("WeekDay")->isEnabled());
    EXPECT_EQ(row0()[3], "Sunday");
    choose("WeekDay", 5);
    EXPECT_EQ(loop(0).WeekDay, 5);
    EXPECT_EQ(row0()[3], "Friday");
    tick("CB_WeekDay");
    EXPECT_EQ(row0()[3], "----");
    EXPECT_EQ(loop(0).WeekDay, 5);
}

TEST_F(LoopPropertiesTest, TickingMonthDayTakesTheDayTheBoxShows) {
    // The box shows a stored day outside 1 to 31 as the nearest day it can hold.
    const std::pair<std::uint8_t, std::uint8_t> cases[] = {{15, 15}, {0, 1}, {40, 31}};
    QSpinBox* spin = child<QSpinBox>("MonthDay");
    for (const auto& [stored, taken] : cases) {
        loop(0).bMonthDay = 0;
        loop(0).MonthDay = stored;
        window->RefreshLoopList();
        window->selectLoopRow(0);
        EXPECT_FALSE(spin->isEnabled());
        EXPECT_EQ(row0()[4], "----");
        tick("CB_MonthDay");
        EXPECT_TRUE(spin->isEnabled());
        EXPECT_EQ(loop(0).bMonthDay, 1);
        EXPECT_EQ(loop(0).MonthDay, taken);
        EXPECT_EQ(row0()[4], QString::number(taken));
    }
    EXPECT_EQ(changes, 3);

    spin->setFocus();
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(loop(0).MonthDay, 31);
    QTest::keyClick(spin, Qt::Key_Down);
    EXPECT_EQ(loop(0).MonthDay, 30);
    EXPECT_EQ(row0()[4], "30");
}

TEST_F(LoopPropertiesTest, LoopImagesAndEventWriteTheirFieldsAndCells) {
    tick("LoopImages");
    EXPECT_EQ(loop(0).Loop, 0);
    EXPECT_EQ(row0()[7], "OFF");
    child<QComboBox>("EventBox")->setFocus();
    QTest::keyClick(child<QComboBox>("EventBox"), Qt::Key_End);
    EXPECT_EQ(loop(0).Event, 23);
    EXPECT_EQ(row0()[8], "KEY_MENU");
    EXPECT_EQ(changes, 2);
}

TEST_F(LoopPropertiesTest, ShowingALoopWritesNothingBack) {
    LoopEntry& odd = loop(1);
    odd.bWeekDay = odd.bMonthDay = odd.bDateIni = odd.bTimeEnd = 1;
    odd.WeekDay = 9;
    odd.MonthDay = 0;
    odd.Event = 40;
    odd.Loop = 0;
    odd.DateIni = encodeDate({2010, 2, 3}) + encodeTime({7, 0, 0});
    odd.TimeEnd = 3 + encodeTime({23, 59, 59});
    window->RefreshLoopList();
    EXPECT_EQ(rowTexts(loopList(), 1), QStringList({"B", "03/02/2010", "----", "----", "----",
                                                    "----", "23:59:59", "OFF", "----"}));

    std::vector<LoopEntry> before(sequence->loopTable.Loops.begin(),
                                  sequence->loopTable.Loops.begin() + 2);
    for (const int row : {1, 0, 1}) {
        clickRow(loopList(), row);
    }
    EXPECT_EQ(child<QLineEdit>("EditName")->text(), "B");
    EXPECT_EQ(child<QComboBox>("WeekDay")->currentIndex(), -1);
    EXPECT_EQ(child<QSpinBox>("MonthDay")->value(), 1);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(std::memcmp(&before[static_cast<std::size_t>(i)], &loop(i), sizeof(LoopEntry)), 0)
            << i;
    }
    EXPECT_EQ(changes, 0);
}

TEST_F(LoopPropertiesTest, NamesThePlaylistCannotCarryAreRefusedWithAMessage) {
    QLineEdit* edit = child<QLineEdit>("EditName");
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, "ab<c");
    EXPECT_EQ(edit->text(), "abc");
    EXPECT_EQ(textOf(loop(0).Name), "abc");
    EXPECT_TRUE(QToolTip::text().contains("\"<\"")) << QToolTip::text().toStdString();

    typeText(edit, QString::fromUtf8("\u03a9")); // Greek omega
    EXPECT_EQ(edit->text(), "abc");
    EXPECT_TRUE(QToolTip::text().contains("cannot store")) << QToolTip::text().toStdString();

    edit->selectAll();
    QTest::keyClicks(edit, QString(64, QLatin1Char('x')));
    EXPECT_EQ(edit->text(), QString(63, QLatin1Char('x')));
    EXPECT_EQ(textOf(loop(0).Name), std::string(63, 'x'));
    EXPECT_TRUE(QToolTip::text().contains("63")) << QToolTip::text().toStdString();

    // A paste is taken whole or not at all.
    edit->selectAll();
    QGuiApplication::clipboard()->setText(QStringLiteral("two\nlines"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), QString(63, QLatin1Char('x')));
    EXPECT_TRUE(QToolTip::text().contains("control")) << QToolTip::text().toStdString();
}

TEST_F(LoopPropertiesTest, WithoutASelectedLoopEditsChangeNothing) {
    loopList()->clearSelection();
    tick("LoopImages");
    tickPicker("DateIni");
    EXPECT_EQ(loop(0).Loop, 1);
    EXPECT_EQ(loop(0).bDateIni, 0);
    EXPECT_EQ(changes, 0);
}

} // namespace
} // namespace orvex::testing
