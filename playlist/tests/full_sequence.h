#pragma once

#include "model/store.h"

#include <memory>
#include <string>

namespace orvex::testing {

// 128 loops of 128 images whose every field differs from its neighbours', with Windows-1252
// texts, negative positions, values past the ends of their lists, dates that carry a time
// and times that carry a date (as the pickers hand them over).
inline std::unique_ptr<Sequence> fullSequence() {
    auto sequence = std::make_unique<Sequence>();
    MainParams& params = sequence->mainParams;
    ResetConfig(params);
    setText(params.ScrollText, "Caf\xE9 de la ma\xF1"
                               "ana: men\xFA a 5 \x80, todo el d\xED"
                               "a");
    setText(params.FileLogo, "/logotipo espa\xF1ol.jpg");
    params.Scroll = 1;
    params.ShowDate = 1;
    params.ShowTime = 0;
    params.TextColor = 22;
    params.BackColor = 200;
    params.TimeZoneIndex = 89;
    params.EnableDST = 0;
    params.xLogo = -5;
    params.yLogo = 575;
    params.xClock = 719;
    params.yClock = -32768;
    params.Rotation = 3;

    LoopTable& table = sequence->loopTable;
    ClearLoops(table);
    for (int n = 0; n < kMaxLoops; ++n) {
        LoopEntry& loop = *AddLoop(table);
        const auto index = static_cast<std::uint8_t>(n);
        std::string name = "Bucle " + std::to_string(n) + " \xE9\xF1\x80";
        if (n % 10 == 0) {
            name.resize(kMaxTextLength, 'y');
        }
        setText(loop.Name, name);
        loop.bDateIni = static_cast<std::uint8_t>(n & 1);
        loop.bDateEnd = static_cast<std::uint8_t>((n >> 1) & 1);
        loop.bTimeIni = static_cast<std::uint8_t>((n >> 2) & 1);
        loop.bTimeEnd = static_cast<std::uint8_t>((n >> 3) & 1);
        loop.bWeekDay = static_cast<std::uint8_t>((n >> 4) & 1);
        loop.bMonthDay = static_cast<std::uint8_t>((n >> 5) & 1);
        loop.Loop = static_cast<std::uint8_t>((n >> 6) & 1);
        loop.Checked = static_cast<std::uint8_t>(n % 3 != 0);
        const std::int64_t day = dayNumberOf(CivilDate{1990 + n % 40, 1 + n % 12, 1 + n % 28});
        loop.DateIni = encodeDateTime(day, n * 601);
        loop.DateEnd = encodeDateTime(day + 400 + n, 0);
        loop.TimeIni = encodeTime({n % 24, (n * 7) % 60, (n * 13) % 60});
        loop.TimeEnd = encodeDateTime(day, (n * 677) % kSecondsPerDay);
        loop.WeekDay = static_cast<std::uint8_t>(n % 9);
        loop.MonthDay = static_cast<std::uint8_t>(n % 33);
        loop.Event = static_cast<std::uint8_t>(n % 26);
        for (int m = 0; m < kMaxImageItems; ++m) {
            const std::string file =
                m % 17 == 5 ? "NULL"
                            : "/foto " + std::to_string(n) + "-" + std::to_string(m) + ".jpg";
            ImageItem& item = *AddImageItem(table, index, file);
            item.Duration = encodeTime({m % 3, (m * 11) % 60, (m * 7 + n) % 60});
            item.bDuration = static_cast<std::uint8_t>(m % 2);
            item.Checked = static_cast<std::uint8_t>(m % 5 != 0);
            item.Position = static_cast<std::uint8_t>(m % 7);
        }
    }
    return sequence;
}

} // namespace orvex::testing
