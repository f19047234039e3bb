#include "model/store.h"
#include "platform/tests/fake_services.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace orvex {
namespace {

class StoreTest : public ::testing::Test {
protected:
    testing::FakeServices services;
    std::unique_ptr<Sequence> sequence = std::make_unique<Sequence>();
    LoopTable& table = sequence->loopTable;

    void SetUp() override { ClearLoops(table); }

    // Loops named L0, L1, ... each with as many images as its index plus one.
    void addNamedLoops(int count) {
        for (int i = 0; i < count; ++i) {
            LoopEntry* loop = AddLoop(table);
            ASSERT_NE(loop, nullptr);
            setText(loop->Name, "L" + std::to_string(i));
            loop->WeekDay = static_cast<std::uint8_t>(i % 7);
            for (int j = 0; j <= i; ++j) {
                AddImageItem(table, static_cast<std::uint8_t>(i),
                             "/L" + std::to_string(i) + ".jpg");
            }
        }
    }

    std::string names() const {
        std::string out;
        for (int i = 0; i < table.LoopCount; ++i) {
            const LoopEntry& loop = table.Loops[static_cast<std::size_t>(i)];
            out += std::string(textOf(loop.Name)) + "(" + std::to_string(loop.nItems) + ")";
        }
        return out;
    }
};

TEST_F(StoreTest, NewLoopHasTheDefaults) {
    services.clock.now = encodeDate({2009, 11, 26}) + encodeTime({9, 30, 0});
    const LoopEntry* loop = AddLoop(table);
    ASSERT_NE(loop, nullptr);
    EXPECT_EQ(textOf(loop->Name), "");
    EXPECT_EQ(loop->Checked, 1);
    EXPECT_EQ(loop->Loop, 1);
    EXPECT_EQ(loop->bDateIni + loop->bDateEnd + loop->bTimeIni + loop->bTimeEnd + loop->bWeekDay +
                  loop->bMonthDay,
              0);
    EXPECT_EQ(loop->MonthDay, 1);
    EXPECT_EQ(loop->WeekDay, 0);
    EXPECT_EQ(loop->Event, 0);
    EXPECT_EQ(loop->DateIni, encodeDate({2009, 11, 26}));
    EXPECT_EQ(loop->TimeEnd, encodeTime({9, 30, 0}));
}

TEST_F(StoreTest, TableHoldsAtMost128Loops) {
    addNamedLoops(kMaxLoops);
    EXPECT_EQ(AddLoop(table), nullptr);
    EXPECT_EQ(GetLoopCount(table), 128);
    EXPECT_EQ(textOf(table.Loops[127].Name), "L127");
    EXPECT_EQ(GetLoop(table, 128), nullptr);
    EXPECT_EQ(GetLoop(table, 255), nullptr);
}

TEST_F(StoreTest, LoopHoldsAtMost128Images) {
    AddLoop(table);
    for (int i = 0; i < kMaxImageItems; ++i) {
        ASSERT_NE(AddImageItem(table, 0, "/a.jpg"), nullptr);
    }
    EXPECT_EQ(AddImageItem(table, 0, "/b.jpg"), nullptr);
    EXPECT_EQ(table.Loops[0].nItems, 128);
    EXPECT_EQ(AddImageItem(table, 1, "/a.jpg"), nullptr);
}

TEST_F(StoreTest, RemoveLoopCarriesTheLaterLoopsUpWithTheirImages) {
    addNamedLoops(3);
    RemoveLoop(table, 0);
    EXPECT_EQ(names(), "L1(2)L2(3)");
    EXPECT_EQ(textOf(table.Loops[1].Items[2].FileName), "/L2.jpg");
    EXPECT_EQ(table.Loops[1].WeekDay, 2);
    RemoveLoop(table, 5);
    EXPECT_EQ(names(), "L1(2)L2(3)");
    RemoveLoop(table, 1);
    RemoveLoop(table, 0);
    EXPECT_EQ(GetLoopCount(table), 0);
}

TEST_F(StoreTest, MovesExchangeWholeLoopsOrReportNotMoved) {
    addNamedLoops(3);
    EXPECT_EQ(MoveLoopUp(table, 0), NotMoved);
    EXPECT_EQ(MoveLoopDown(table, 2), NotMoved);
    EXPECT_EQ(MoveLoopUp(table, 3), NotMoved);
    EXPECT_EQ(MoveLoopDown(table, 255), NotMoved);
    EXPECT_EQ(names(), "L0(1)L1(2)L2(3)");
    EXPECT_EQ(MoveLoopUp(table, 2), 1);
    EXPECT_EQ(names(), "L0(1)L2(3)L1(2)");
    EXPECT_EQ(table.Loops[1].WeekDay, 2);
    EXPECT_EQ(MoveLoopDown(table, 0), 1);
    EXPECT_EQ(names(), "L2(3)L0(1)L1(2)");

    ClearLoops(table);
    addNamedLoops(1);
    EXPECT_EQ(MoveLoopDown(table, 0), NotMoved);
}

TEST_F(StoreTest, RemoveImageShiftsTheLaterEntriesDown) {
    AddLoop(table);
    for (int i = 0; i < 3; ++i) {
        ImageItem* item = AddImageItem(table, 0, "/" + std::to_string(i) + ".jpg");
        item->Position = static_cast<std::uint8_t>(i);
        item->Checked = static_cast<std::uint8_t>(i % 2);
        item->Duration = encodeTime({0, 0, i + 1});
    }
    RemoveImageItem(table, 0, 3);
    RemoveImageItem(table, 1, 0);
    EXPECT_EQ(table.Loops[0].nItems, 3);
    RemoveImageItem(table, 0, 0);
    const LoopEntry& loop = table.Loops[0];
    ASSERT_EQ(loop.nItems, 2);
    EXPECT_EQ(textOf(loop.Items[0].FileName), "/1.jpg");
    EXPECT_EQ(loop.Items[0].Position, 1);
    EXPECT_EQ(loop.Items[0].Checked, 1);
    EXPECT_EQ(loop.Items[1].Duration, encodeTime({0, 0, 3}));
}

TEST_F(StoreTest, ResetConfigKeepsRotationAndTakesTheZoneFromTheComputer) {
    MainParams& params = sequence->mainParams;
    setText(params.ScrollText, "hello");
    params.Rotation = 3;
    params.BackColor = 7;
    params.xLogo = -5;
    services.timeZone.offsetMinutes = -300;
    ResetConfig(params);
    EXPECT_EQ(textOf(params.ScrollText), "");
    EXPECT_EQ(params.Rotation, 3);
    EXPECT_EQ(params.ShowTime, 1);
    EXPECT_EQ(params.EnableDST, 1);
    EXPECT_EQ(params.TextColor, 2);
    EXPECT_EQ(params.BackColor, 0);
    EXPECT_EQ(params.xLogo, 0);
    EXPECT_EQ(params.TimeZoneIndex, 15);
}

TEST(Text64, StoresAtMost63BytesAndAlwaysTerminates) {
    Text64 field;
    field.fill('x');
    setText(field, std::string(100, 'a'));
    EXPECT_EQ(textOf(field), std::string(63, 'a'));
    setText(field, "b");
    EXPECT_EQ(textOf(field), "b");
}

} // namespace
} // namespace orvex
