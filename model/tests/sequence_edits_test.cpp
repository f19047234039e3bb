#include "model/sequence_edits.h"
#include "model/store.h"
#include "platform/tests/fake_services.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace orvex {
namespace {

class SequenceEditsTest : public ::testing::Test {
protected:
    testing::FakeServices services;
    std::unique_ptr<Sequence> sequence = std::make_unique<Sequence>();
    LoopTable& table = sequence->loopTable;

    // Loops named A, B, C, ... and, in loop 0, pictures /a.jpg, /b.jpg, ...
    void SetUp() override {
        ClearLoops(table);
        for (char name = 'A'; name <= 'D'; ++name) {
            setText(AddLoop(table)->Name, std::string(1, name));
            AddImageItem(table, 0, "/" + std::string(1, static_cast<char>(name + 32)) + ".jpg");
        }
    }

    std::string loops() const {
        std::string out;
        for (int i = 0; i < table.LoopCount; ++i) {
            out += textOf(table.Loops[static_cast<std::size_t>(i)].Name);
        }
        return out;
    }

    std::string pictures() const {
        std::string out;
        const LoopEntry& loop = table.Loops[0];
        for (int i = 0; i < loop.nItems; ++i) {
            out += textOf(loop.Items[static_cast<std::size_t>(i)].FileName).substr(1, 1);
        }
        return out;
    }
};

TEST_F(SequenceEditsTest, MovesShiftTheEntriesBetweenAndRefuseIndexesPastTheEnd) {
    struct Case {
        int from, to;
        bool moved;
        const char* order;
    };
    for (const Case c :
         {Case{0, 3, true, "BCDA"}, Case{3, 0, true, "DABC"}, Case{1, 2, true, "ACBD"},
          Case{2, 2, true, "ABCD"}, Case{4, 0, false, "ABCD"}, Case{0, 4, false, "ABCD"}}) {
        SetUp();
        const auto from = static_cast<std::uint8_t>(c.from);
        const auto to = static_cast<std::uint8_t>(c.to);
        EXPECT_EQ(moveImageItem(table, 0, from, to), c.moved);
        std::string lower = c.order;
        for (char& letter : lower) {
            letter = static_cast<char>(letter + 32);
        }
        EXPECT_EQ(pictures(), lower) << c.from << "->" << c.to;
        EXPECT_EQ(moveLoop(table, from, to), c.moved) << c.from << "->" << c.to;
        EXPECT_EQ(loops(), c.order) << c.from << "->" << c.to;
    }
}

TEST_F(SequenceEditsTest, InsertingPutsACopyAtTheIndexAndRefusesAFullTableOrAGap) {
    LoopEntry copy = table.Loops[2];
    ASSERT_TRUE(insertLoop(table, 1, copy));
    EXPECT_EQ(loops(), "ACBCD");
    ASSERT_TRUE(insertLoop(table, 5, copy));
    EXPECT_EQ(loops(), "ACBCDC");
    EXPECT_FALSE(insertLoop(table, 7, copy));
    while (table.LoopCount < kMaxLoops) {
        AddLoop(table);
    }
    EXPECT_FALSE(insertLoop(table, 0, copy));
    EXPECT_EQ(table.LoopCount, kMaxLoops);

    ImageItem picture = table.Loops[0].Items[3];
    ASSERT_TRUE(insertImageItem(table, 0, 0, picture));
    EXPECT_EQ(pictures(), "dabcd");
    EXPECT_FALSE(insertImageItem(table, 0, 6, picture));
    while (table.Loops[0].nItems < kMaxImageItems) {
        AddImageItem(table, 0, "/x.jpg");
    }
    EXPECT_FALSE(insertImageItem(table, 0, 0, picture));
}

TEST_F(SequenceEditsTest, LoopFieldsCarryEverythingButThePictures) {
    LoopEntry& source = table.Loops[1];
    source.bDateIni = source.bTimeEnd = source.bMonthDay = 1;
    source.Checked = 0;
    source.DateEnd = 40000;
    source.TimeIni = 0.25;
    source.WeekDay = 6;
    source.MonthDay = 31;
    source.Event = 3;
    LoopEntry& target = table.Loops[0];
    setLoopFields(target, loopFieldsOf(source));
    EXPECT_EQ(loopFieldsOf(target), loopFieldsOf(source));
    EXPECT_EQ(textOf(target.Name), "B");
    EXPECT_EQ(pictures(), "abcd");
}

} // namespace
} // namespace orvex
