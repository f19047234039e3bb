#include "model/store.h"

#include "model/time_zone_list.h"
#include "platform/services.h"

#include <algorithm>
#include <utility>

namespace orvex {

void setText(Text64& field, std::string_view text) {
    const std::size_t length = std::min(text.size(), kMaxTextLength);
    std::copy_n(text.begin(), length, field.begin());
    std::fill(field.begin() + static_cast<std::ptrdiff_t>(length), field.end(), '\0');
}

std::string_view textOf(const Text64& field) {
    const auto end = std::find(field.begin(), field.end(), '\0');
    return {field.data(), static_cast<std::size_t>(end - field.begin())};
}

void ResetConfig(MainParams& params) {
    const std::uint8_t rotation = params.Rotation;
    params = MainParams{};
    params.TimeZoneIndex = TimeZoneIndexFromOffset(timeZone().standardOffsetMinutes());
    params.EnableDST = 1;
    params.ShowTime = 1;
    params.TextColor = 2;
    params.Rotation = rotation;
}

void ClearLoops(LoopTable& table) {
    table.LoopCount = 0;
    for (int slot = 0; slot < kMaxLoops; ++slot) {
        ResetLoop(table, static_cast<std::uint8_t>(slot));
    }
}

std::uint8_t GetLoopCount(const LoopTable& table) {
    return table.LoopCount;
}

void ResetLoop(LoopTable& table, std::uint8_t slot) {
    if (slot < kMaxLoops) {
        resetLoopEntry(table.Loops[slot]);
    }
}

void resetLoopEntry(LoopEntry& loop) {
    setText(loop.Name, "");
    for (ImageItem& item : loop.Items) {
        setText(item.FileName, "");
        item.Duration = kDefaultDuration;
        item.bDuration = 1;
        item.Position = CENTER;
    }
    loop.bDateIni = loop.bDateEnd = loop.bTimeIni = loop.bTimeEnd = 0;
    loop.bWeekDay = loop.bMonthDay = 0;
    loop.Loop = 1;
    loop.Checked = 1;
    loop.DateIni = loop.DateEnd = clock().today();
    loop.TimeIni = loop.TimeEnd = clock().timeOfDay();
    loop.WeekDay = 0;
    loop.MonthDay = 1;
    loop.nItems = 0;
    loop.Event = 0;
}

LoopEntry* GetLoop(LoopTable& table, std::uint8_t index) {
    return index < table.LoopCount ? &table.Loops[index] : nullptr;
}

const LoopEntry* GetLoop(const LoopTable& table, std::uint8_t index) {
    return index < table.LoopCount ? &table.Loops[index] : nullptr;
}

LoopEntry* AddLoop(LoopTable& table) {
    if (table.LoopCount >= kMaxLoops) {
        return nullptr;
    }
    ResetLoop(table, table.LoopCount);
    return &table.Loops[table.LoopCount++];
}

void RemoveLoop(LoopTable& table, std::uint8_t index) {
    if (index >= table.LoopCount) {
        return;
    }
    ResetLoop(table, index);
    for (int i = index + 1; i < table.LoopCount; ++i) {
        table.Loops[static_cast<std::size_t>(i - 1)] = table.Loops[static_cast<std::size_t>(i)];
    }
    --table.LoopCount;
}

ImageItem* AddImageItem(LoopTable& table, std::uint8_t loopIndex, std::string_view fileName) {
    LoopEntry* loop = GetLoop(table, loopIndex);
    if (loop == nullptr || loop->nItems >= kMaxImageItems) {
        return nullptr;
    }
    ImageItem& item = loop->Items[loop->nItems++];
    setText(item.FileName, fileName);
    item.Duration = kDefaultDuration;
    item.bDuration = 1;
    item.Checked = 1;
    item.Position = CENTER;
    return &item;
}

void RemoveImageItem(LoopTable& table, std::uint8_t loopIndex, std::uint8_t itemIndex) {
    LoopEntry* loop = GetLoop(table, loopIndex);
    if (loop == nullptr || itemIndex >= loop->nItems) {
        return;
    }
    const std::size_t count = std::min<std::size_t>(loop->nItems, kMaxImageItems);
    std::move(loop->Items.begin() + itemIndex + 1,
              loop->Items.begin() + static_cast<std::ptrdiff_t>(count),
              loop->Items.begin() + itemIndex);
    --loop->nItems;
}

std::uint8_t MoveLoopUp(LoopTable& table, std::uint8_t index) {
    if (index >= table.LoopCount || index == 0) {
        return NotMoved;
    }
    std::swap(table.Loops[index - 1], table.Loops[index]);
    return static_cast<std::uint8_t>(index - 1);
}

std::uint8_t MoveLoopDown(LoopTable& table, std::uint8_t index) {
    if (table.LoopCount < 2 || index >= table.LoopCount - 1) {
        return NotMoved;
    }
    std::swap(table.Loops[index], table.Loops[index + 1]);
    return static_cast<std::uint8_t>(index + 1);
}

} // namespace orvex
