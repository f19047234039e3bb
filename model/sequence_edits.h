#pragma once

#include "model/records.h"

#include <cstdint>

namespace orvex {

// Everything of a loop but its pictures: what "Loop Properties" edits and the loop list shows.
struct LoopFields {
    Text64 Name{};
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
    std::uint8_t Event = 0;
    friend bool operator==(const LoopFields&, const LoopFields&) = default;
};

LoopFields loopFieldsOf(const LoopEntry& loop);
void setLoopFields(LoopEntry& loop, const LoopFields& fields);

// Edits the editor's undo history replays; each returns false, changing nothing, when the
// indexes are out of range or the table or loop is full, so a stale command cannot corrupt it.

// Puts a copy of `loop` at `index` (at most the loop count), moving later loops down.
bool insertLoop(LoopTable& table, std::uint8_t index, const LoopEntry& loop);
// Takes the loop at `from` out and puts it back at `to`, shifting those between.
bool moveLoop(LoopTable& table, std::uint8_t from, std::uint8_t to);
bool insertImageItem(LoopTable& table, std::uint8_t loopIndex, std::uint8_t itemIndex,
                     const ImageItem& item);
bool moveImageItem(LoopTable& table, std::uint8_t loopIndex, std::uint8_t from, std::uint8_t to);

} // namespace orvex
