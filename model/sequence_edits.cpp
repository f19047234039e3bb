#include "model/sequence_edits.h"

#include "model/store.h"

#include <algorithm>

namespace orvex {
namespace {

// Moves one element of `items` from `from` to `to`, shifting those between by one.
template <typename Array> void rotateOne(Array& items, std::size_t from, std::size_t to) {
    const auto first = items.begin();
    if (from < to) {
        std::rotate(first + static_cast<std::ptrdiff_t>(from),
                    first + static_cast<std::ptrdiff_t>(from + 1),
                    first + static_cast<std::ptrdiff_t>(to + 1));
    } else if (to < from) {
        std::rotate(first + static_cast<std::ptrdiff_t>(to),
                    first + static_cast<std::ptrdiff_t>(from),
                    first + static_cast<std::ptrdiff_t>(from + 1));
    }
}

} // namespace

LoopFields loopFieldsOf(const LoopEntry& loop) {
    return {loop.Name,     loop.bDateIni, loop.bDateEnd,  loop.bTimeIni,
            loop.bTimeEnd, loop.bWeekDay, loop.bMonthDay, loop.Loop,
            loop.Checked,  loop.DateIni,  loop.DateEnd,   loop.TimeIni,
            loop.TimeEnd,  loop.WeekDay,  loop.MonthDay,  loop.Event};
}

void setLoopFields(LoopEntry& loop, const LoopFields& fields) {
    loop.Name = fields.Name;
    loop.bDateIni = fields.bDateIni;
    loop.bDateEnd = fields.bDateEnd;
    loop.bTimeIni = fields.bTimeIni;
    loop.bTimeEnd = fields.bTimeEnd;
    loop.bWeekDay = fields.bWeekDay;
    loop.bMonthDay = fields.bMonthDay;
    loop.Loop = fields.Loop;
    loop.Checked = fields.Checked;
    loop.DateIni = fields.DateIni;
    loop.DateEnd = fields.DateEnd;
    loop.TimeIni = fields.TimeIni;
    loop.TimeEnd = fields.TimeEnd;
    loop.WeekDay = fields.WeekDay;
    loop.MonthDay = fields.MonthDay;
    loop.Event = fields.Event;
}

bool insertLoop(LoopTable& table, std::uint8_t index, const LoopEntry& loop) {
    if (table.LoopCount >= kMaxLoops || index > table.LoopCount) {
        return false;
    }
    table.Loops[table.LoopCount] = loop;
    rotateOne(table.Loops, table.LoopCount, index);
    ++table.LoopCount;
    return true;
}

bool moveLoop(LoopTable& table, std::uint8_t from, std::uint8_t to) {
    if (from >= table.LoopCount || to >= table.LoopCount) {
        return false;
    }
    rotateOne(table.Loops, from, to);
    return true;
}

bool insertImageItem(LoopTable& table, std::uint8_t loopIndex, std::uint8_t itemIndex,
                     const ImageItem& item) {
    LoopEntry* loop = GetLoop(table, loopIndex);
    if (loop == nullptr || loop->nItems >= kMaxImageItems || itemIndex > loop->nItems) {
        return false;
    }
    loop->Items[loop->nItems] = item;
    rotateOne(loop->Items, loop->nItems, itemIndex);
    ++loop->nItems;
    return true;
}

bool moveImageItem(LoopTable& table, std::uint8_t loopIndex, std::uint8_t from, std::uint8_t to) {
    LoopEntry* loop = GetLoop(table, loopIndex);
    if (loop == nullptr || from >= loop->nItems || to >= loop->nItems) {
        return false;
    }
    rotateOne(loop->Items, from, to);
    return true;
}

} // namespace orvex
