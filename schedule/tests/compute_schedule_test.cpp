#include "schedule/compute_schedule.h"
#include "schedule/tests/per_second_scan.h"
#include "schedule/tests/row_text.h"

#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvex {
namespace {

// A Thursday.
constexpr CivilDate kDay{2009, 11, 26};

TDateTime at(int hour, int minute, int second, int millisecond = 0) {
    return (hour * 3600 + minute * 60 + second + millisecond / 1000.0) / kSecondsPerDay;
}

TDateTime dayOffset(int days) {
    return static_cast<TDateTime>(dayNumberOf(kDay) + days);
}

// A loop's conditions; those not given are switched off.
struct LoopSetup {
    std::optional<TDateTime> timeIni;
    std::optional<TDateTime> timeEnd;
    std::optional<TDateTime> dateIni;
    std::optional<TDateTime> dateEnd;
    std::optional<int> weekDay;
    std::optional<int> monthDay;
    bool checked = true;
    std::uint8_t event = 0;
    std::uint8_t images = 0;

    LoopSetup& from(TDateTime time) { return timeIni = time, *this; }
    LoopSetup& to(TDateTime time) { return timeEnd = time, *this; }
    LoopSetup& firstDate(TDateTime date) { return dateIni = date, *this; }
    LoopSetup& lastDate(TDateTime date) { return dateEnd = date, *this; }
    LoopSetup& onWeekDay(int day) { return weekDay = day, *this; }
    LoopSetup& onMonthDay(int day) { return monthDay = day, *this; }
    LoopSetup& unchecked() { return checked = false, *this; }
    LoopSetup& withEventAndImages(std::uint8_t code, std::uint8_t count) {
        event = code;
        images = count;
        return *this;
    }
};

LoopSetup loop() {
    return {};
}

struct Case {
    const char* what;
    CivilDate date;
    std::vector<LoopSetup> loops;
    std::vector<std::string> rows;
};

void build(LoopTable& table, const std::vector<LoopSetup>& setups) {
    table.LoopCount = static_cast<std::uint8_t>(setups.size());
    for (std::size_t i = 0; i < setups.size(); ++i) {
        const LoopSetup& setup = setups[i];
        LoopEntry& loop = table.Loops[i];
        loop = LoopEntry{};
        setText(loop.Name, "L" + std::to_string(i));
        loop.Checked = setup.checked ? 1 : 0;
        // The values behind cleared flags must not count, so they are set to something that
        // would keep the loop from playing.
        loop.bTimeIni = setup.timeIni ? 1 : 0;
        loop.TimeIni = setup.timeIni.value_or(at(23, 59, 59));
        loop.bTimeEnd = setup.timeEnd ? 1 : 0;
        loop.TimeEnd = setup.timeEnd.value_or(0);
        loop.bDateIni = setup.dateIni ? 1 : 0;
        loop.DateIni = setup.dateIni.value_or(dayOffset(1000));
        loop.bDateEnd = setup.dateEnd ? 1 : 0;
        loop.DateEnd = setup.dateEnd.value_or(dayOffset(-1000));
        loop.bWeekDay = setup.weekDay ? 1 : 0;
        loop.WeekDay = static_cast<std::uint8_t>(setup.weekDay.value_or(5));
        loop.bMonthDay = setup.monthDay ? 1 : 0;
        loop.MonthDay = static_cast<std::uint8_t>(setup.monthDay.value_or(2));
        loop.Event = setup.event;
        loop.nItems = setup.images;
    }
}

class ComputeScheduleTest : public ::testing::Test {
protected:
    std::unique_ptr<LoopTable> loops = std::make_unique<LoopTable>();
    std::unique_ptr<ScheduleTable> table = std::make_unique<ScheduleTable>();
};

TEST_F(ComputeScheduleTest, RowsOfTheDay) {
    const LoopSetup always = loop();
    const LoopSetup eightToNoon = loop().from(at(8, 0, 0)).to(at(12, 0, 0));
    const Case cases[] = {
        {"no loops", kDay, {}, {}},
        {"only unchecked loops", kDay, {loop().unchecked(), loop().unchecked()}, {}},
        {"no conditions", kDay, {always}, {"00:00:00 L0:Active"}},
        {"time window",
         kDay,
         {loop().from(at(8, 0, 0)).to(at(17, 30, 0))},
         {"08:00:00 L0:Active", "17:30:01 L0:Off"}},
        {"first time after last time never plays",
         kDay,
         {loop().from(at(22, 0, 0)).to(at(6, 0, 0))},
         {}},
        {"only a last time",
         kDay,
         {loop().to(at(10, 0, 0))},
         {"00:00:00 L0:Active", "10:00:01 L0:Off"}},
        {"only a first time: no row for the end of the day",
         kDay,
         {loop().from(at(20, 0, 0))},
         {"20:00:00 L0:Active"}},
        {"whole day spelled out",
         kDay,
         {loop().from(at(0, 0, 0)).to(at(23, 59, 59))},
         {"00:00:00 L0:Active"}},
        {"a single second",
         kDay,
         {loop().from(at(12, 0, 0)).to(at(12, 0, 0))},
         {"12:00:00 L0:Active", "12:00:01 L0:Off"}},
        {"milliseconds are ignored",
         kDay,
         {loop().from(at(8, 0, 0, 700)).to(at(9, 0, 0, 500))},
         {"08:00:00 L0:Active", "09:00:01 L0:Off"}},
        {"bounds carry a stray date or time part",
         kDay,
         {loop()
              .from(35000 + at(8, 0, 0))
              .to(-2 - at(9, 0, 0))
              .firstDate(dayOffset(0) + at(23, 0, 0))
              .lastDate(dayOffset(0) + at(1, 0, 0))},
         {"08:00:00 L0:Active", "09:00:01 L0:Off"}},
        {"first date is the day", kDay, {loop().firstDate(dayOffset(0))}, {"00:00:00 L0:Active"}},
        {"last date is the day", kDay, {loop().lastDate(dayOffset(0))}, {"00:00:00 L0:Active"}},
        {"first date is the next day", kDay, {loop().firstDate(dayOffset(1))}, {}},
        {"last date is the day before", kDay, {loop().lastDate(dayOffset(-1))}, {}},
        {"first date after last date",
         kDay,
         {loop().firstDate(dayOffset(1)).lastDate(dayOffset(-1))},
         {}},
        {"Sunday loop on a Sunday", {2009, 11, 29}, {loop().onWeekDay(0)}, {"00:00:00 L0:Active"}},
        {"Sunday loop on a Thursday", kDay, {loop().onWeekDay(0)}, {}},
        {"31st in April", {2009, 4, 30}, {loop().onMonthDay(31)}, {}},
        {"29th on a leap day", {2008, 2, 29}, {loop().onMonthDay(29)}, {"00:00:00 L0:Active"}},
        {"remote event and images do not matter",
         kDay,
         {loop().from(at(8, 0, 0)).to(at(17, 30, 0)).withEventAndImages(5, 3)},
         {"08:00:00 L0:Active", "17:30:01 L0:Off"}},
        {"three loops: the first wins",
         kDay,
         {always, always, always},
         {"00:00:00 L2:Overlapped L1:Overlapped L0:Active"}},
        {"higher priority loop comes and goes",
         kDay,
         {eightToNoon, always},
         {"00:00:00 L1:Active", "08:00:00 L1:Overlapped L0:Active", "12:00:01 L1:Active L0:Off"}},
        {"lower priority loop comes and goes",
         kDay,
         {always, eightToNoon},
         {"00:00:00 L0:Active", "08:00:00 L1:Overlapped L0:Active", "12:00:01 L1:Off L0:Active"}},
        {"nested windows",
         kDay,
         {always, eightToNoon, loop().from(at(10, 0, 0)).to(at(11, 0, 0))},
         {"00:00:00 L0:Active", "08:00:00 L1:Overlapped L0:Active",
          "10:00:00 L2:Overlapped L1:Overlapped L0:Active",
          "11:00:01 L2:Off L1:Overlapped L0:Active", "12:00:01 L1:Off L0:Active"}},
        {"one loop hands over to the next in the same second",
         kDay,
         {loop().from(at(8, 0, 0)).to(at(9, 59, 59)), loop().from(at(10, 0, 0)).to(at(11, 0, 0))},
         {"08:00:00 L0:Active", "10:00:00 L1:Active L0:Off", "11:00:01 L1:Off"}},
        {"an entry that stops sits between the playing ones",
         kDay,
         {always, eightToNoon, always},
         {"00:00:00 L2:Overlapped L0:Active", "08:00:00 L2:Overlapped L1:Overlapped L0:Active",
          "12:00:01 L2:Overlapped L1:Off L0:Active"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        build(*loops, c.loops);
        const TDateTime date = encodeDate(c.date) + at(15, 0, 0);
        ComputeSchedule(*table, *loops, date);
        EXPECT_EQ(testing::rowTexts(*table, *loops), c.rows);
        testing::scanSchedule(*table, *loops, date);
        EXPECT_EQ(testing::rowTexts(*table, *loops), c.rows) << "per-second scan";
    }
}

// Every loop starting and stopping at its own second gives the most rows a day can have, and
// while all of them play a row lists all 128.
TEST_F(ComputeScheduleTest, TableHoldsEveryRowOfTheBusiestDay) {
    std::vector<LoopSetup> setups;
    for (int i = 0; i < kMaxLoops; ++i) {
        setups.push_back(loop().from(at(1, 0, i)).to(at(20, 0, i)));
    }
    build(*loops, setups);
    ComputeSchedule(*table, *loops, dayOffset(0));

    ASSERT_EQ(table->RowCount, kMaxScheduleRows);
    const auto rows = table->rows();
    EXPECT_EQ(rows[127].second, 3600 + 127);
    EXPECT_EQ(rows[127].entries().size(), 128U);
    EXPECT_EQ(rows[127].entries().back(), (ScheduleEntry{0, EntryState::Active}));
    EXPECT_EQ(rows[128].entries().back(), (ScheduleEntry{0, EntryState::Off}));
    EXPECT_EQ(testing::rowTexts(*table, *loops).back(), "20:02:08 L127:Off");

    const auto scanned = std::make_unique<ScheduleTable>();
    testing::scanSchedule(*scanned, *loops, dayOffset(0));
    EXPECT_TRUE(std::ranges::equal(scanned->rows(), table->rows()));
}

TEST_F(ComputeScheduleTest, NewComputationLeavesNothingOfTheLastOne) {
    build(*loops, {loop(), loop().from(at(8, 0, 0))});
    ComputeSchedule(*table, *loops, dayOffset(0));
    build(*loops, {loop().to(at(6, 0, 0))});
    ComputeSchedule(*table, *loops, dayOffset(0));
    EXPECT_EQ(testing::rowTexts(*table, *loops),
              (std::vector<std::string>{"00:00:00 L0:Active", "06:00:01 L0:Off"}));
}

TEST_F(ComputeScheduleTest, CorruptLoopCountStopsAtTheTable) {
    build(*loops, {});
    for (LoopEntry& loop : loops->Loops) {
        loop.Checked = 1;
    }
    loops->LoopCount = 200;
    ComputeSchedule(*table, *loops, dayOffset(0));
    ASSERT_EQ(table->RowCount, 1);
    EXPECT_EQ(table->rows()[0].entries().size(), static_cast<std::size_t>(kMaxLoops));
}

} // namespace
} // namespace orvex
