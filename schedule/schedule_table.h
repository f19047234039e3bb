#pragma once

#include "model/records.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <span>

namespace orvex {

enum class EntryState : std::uint8_t {
    Off = 0,        // matched at the previous second and no longer matches
    Active = 1,     // matches, and no loop of higher priority matches
    Overlapped = 2, // matches, but a loop of higher priority matches too
};

struct ScheduleEntry {
    std::uint8_t loop = 0; // index into the loop table, which holds the name
    EntryState state = EntryState::Off;
    friend bool operator==(const ScheduleEntry&, const ScheduleEntry&) = default;
};

// Each loop starts and stops at most once a day, so a day never has more change moments
// than this: the table has room for every row a sequence can produce.
inline constexpr int kMaxScheduleRows = 2 * kMaxLoops;

struct ScheduleRow {
    int second = 0; // time of day of the change, 0 to 86399
    std::uint8_t entryCount = 0;
    // Left to right from the lowest priority to the highest; only the first entryCount count.
    std::array<ScheduleEntry, kMaxLoops> entrySlots{};

    std::span<const ScheduleEntry> entries() const { return {entrySlots.data(), entryCount}; }
    bool operator==(const ScheduleRow& other) const {
        return second == other.second && std::ranges::equal(entries(), other.entries());
    }
};

struct ScheduleTable {
    std::array<ScheduleRow, kMaxScheduleRows> rowSlots{};
    // Per loop index, 1 if the loop matched at the previous change moment.
    std::array<std::uint8_t, kMaxLoops> PrevMatch{};
    // Per loop index, 1 if the loop matches at the moment being appended.
    std::array<std::uint8_t, kMaxLoops> CurMatch{};
    std::uint16_t RowCount = 0;

    std::span<const ScheduleRow> rows() const { return {rowSlots.data(), RowCount}; }
};

} // namespace orvex
