#pragma once

#include "platform/tdatetime.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace orvex {

inline constexpr int kMaxLoops = 128;
inline constexpr int kMaxImageItems = 128;
inline constexpr std::uint8_t NotMoved = 255;

// A NUL-terminated Windows-1252 text of at most 63 bytes.
using Text64 = std::array<char, 64>;
inline constexpr std::size_t kMaxTextLength = 63;

// Stores at most 63 bytes; the caller refuses longer texts where they are entered.
void setText(Text64& field, std::string_view text);
std::string_view textOf(const Text64& field);

enum PositionCode : std::uint8_t { CENTER, TOP, BOTTOM, LEFT, RIGHT };
inline constexpr std::array<const char*, 5> kPositionNames = {"CENTER", "TOP", "BOTTOM", "LEFT",
                                                              "RIGHT"};

inline constexpr std::array<const char*, 24> kEventNames = {
    "NONE",     "EXT_INT", "POWER_UP",  "KEY_1",      "KEY_2",    "KEY_3",
    "KEY_4",    "KEY_5",   "KEY_6",     "KEY_7",      "KEY_8",    "KEY_9",
    "KEY_BACK", "KEY_0",   "KEY_EXIT",  "KEY_VOL_UP", "KEY_UP",   "KEY_VOL_DOWN",
    "KEY_LEFT", "KEY_OK",  "KEY_RIGHT", "KEY_AUDIO",  "KEY_DOWN", "KEY_MENU"};

// Ten seconds as a time of day.
inline constexpr TDateTime kDefaultDuration = 10.0 / 86400.0;

struct MainParams {
    Text64 ScrollText{};
    Text64 FileLogo{};
    std::int16_t xLogo = 0;
    std::int16_t yLogo = 0;
    std::int16_t xClock = 0;
    std::int16_t yClock = 0;
    std::int32_t TimeZoneIndex = 0;
    std::uint8_t EnableDST = 0;
    std::uint8_t Scroll = 0;
    std::uint8_t ShowText = 0;
    std::uint8_t ShowDate = 0;
    std::uint8_t ShowTime = 0;
    std::uint8_t TextColor = 0;
    std::uint8_t BackColor = 0;
    std::uint8_t Rotation = 0;

    friend bool operator==(const MainParams&, const MainParams&) = default;
};

struct ImageItem {
    Text64 FileName{};
    TDateTime Duration = 0;
    std::uint8_t bDuration = 0;
    std::uint8_t Checked = 0;
    std::uint8_t Position = 0;
    friend bool operator==(const ImageItem&, const ImageItem&) = default;
};

struct LoopEntry {
    Text64 Name{};
    std::array<ImageItem, kMaxImageItems> Items{};
    std::uint8_t bDateIni = 0;
    std::uint8_t bDateEnd = 0;
    std::uint8_t bTimeIni = 0;
    std::uint8_t bTimeEnd = 0;
    std::uint8_t bWeekDay = 0;
    std::uint8_t bMonthDay = 0;
    std::uint8_t Loop = 0;
    std::uint8_t Checked = 0;
    TDateTime DateIni = 0;
    TDateTime DateEnd = 0;
    TDateTime TimeIni = 0;
    TDateTime TimeEnd = 0;
    std::uint8_t WeekDay = 0;
    std::uint8_t MonthDay = 0;
    std::uint8_t nItems = 0;
    std::uint8_t Event = 0;
};

struct LoopTable {
    std::array<LoopEntry, kMaxLoops> Loops{};
    std::uint8_t LoopCount = 0;
};

// The whole sequence the editor works on. It is about 1.3 MB: keep it on the heap.
struct Sequence {
    MainParams mainParams;
    LoopTable loopTable;
};

} // namespace orvex
