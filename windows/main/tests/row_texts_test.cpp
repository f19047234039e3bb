#include "model/store.h"
#include "platform/tests/fake_services.h"
#include "windows/main/row_texts.h"

#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace orvex::testing {
namespace {

TEST(RowTexts, LoopCellsShowEachConditionOnlyWhenItIsOnAndInRange) {
    FakeServices services;
    struct Case {
        const char* what;
        std::function<void(LoopEntry&)> set;
        int cell;
        const char* text;
    };
    const Case cases[] = {
        {"initial date",
         [](LoopEntry& l) {
             l.bDateIni = 1, l.DateIni = encodeDate({2024, 2, 29});
         },
         1, "29/02/2024"},
        {"end date off",
         [](LoopEntry& l) {
             l.DateEnd = encodeDate({2024, 2, 29});
         },
         2, "----"},
        {"Saturday", [](LoopEntry& l) { l.bWeekDay = 1, l.WeekDay = 6; }, 3, "Saturday"},
        {"week day 7", [](LoopEntry& l) { l.bWeekDay = 1, l.WeekDay = 7; }, 3, "----"},
        {"week day off", [](LoopEntry& l) { l.WeekDay = 3; }, 3, "----"},
        {"month day 31", [](LoopEntry& l) { l.bMonthDay = 1, l.MonthDay = 31; }, 4, "31"},
        {"month day 0", [](LoopEntry& l) { l.bMonthDay = 1, l.MonthDay = 0; }, 4, "----"},
        {"month day 32", [](LoopEntry& l) { l.bMonthDay = 1, l.MonthDay = 32; }, 4, "----"},
        {"initial time, date part ignored",
         [](LoopEntry& l) {
             l.bTimeIni = 1, l.TimeIni = 40000 + encodeTime({23, 5, 9});
         },
         5, "23:05:09"},
        {"end time off",
         [](LoopEntry& l) {
             l.TimeEnd = encodeTime({1, 0, 0});
         },
         6, "----"},
        {"loop off", [](LoopEntry& l) { l.Loop = 0; }, 7, "OFF"},
        {"last event", [](LoopEntry& l) { l.Event = 23; }, 8, "KEY_MENU"},
        {"event 24", [](LoopEntry& l) { l.Event = 24; }, 8, "----"},
    };
    for (const Case& c : cases) {
        auto table = std::make_unique<LoopTable>();
        LoopEntry& loop = *AddLoop(*table);
        c.set(loop);
        EXPECT_EQ(loopRowTexts(loop)[c.cell], QString::fromLatin1(c.text)) << c.what;
    }
}

TEST(RowTexts, ImageCellsAndWindows1252Names) {
    FakeServices services;
    ImageItem item{};
    setText(item.FileName, "/caf\xe9.jpg");
    item.Duration = encodeTime({0, 1, 5});
    item.bDuration = 1;
    item.Position = BOTTOM;
    EXPECT_EQ(imageRowTexts(item),
              QStringList({QString::fromUtf8("/caf\u00e9.jpg"), "00:01:05", "BOTTOM"}));
    item.bDuration = 0;
    item.Position = 5;
    EXPECT_EQ(imageRowTexts(item),
              QStringList({QString::fromUtf8("/caf\u00e9.jpg"), "----", "----"}));
}

} // namespace
} // namespace orvex::testing
