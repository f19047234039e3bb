#pragma once

#include "model/records.h"

namespace orvex {

void ResetConfig(MainParams& params);
void ClearLoops(LoopTable& table);
std::uint8_t GetLoopCount(const LoopTable& table);
void ResetLoop(LoopTable& table, std::uint8_t slot);
// What ResetLoop leaves in a slot: no pictures, today's date and time, no conditions.
void resetLoopEntry(LoopEntry& loop);
LoopEntry* GetLoop(LoopTable& table, std::uint8_t index);
const LoopEntry* GetLoop(const LoopTable& table, std::uint8_t index);
LoopEntry* AddLoop(LoopTable& table);
void RemoveLoop(LoopTable& table, std::uint8_t index);
ImageItem* AddImageItem(LoopTable& table, std::uint8_t loopIndex, std::string_view fileName);
void RemoveImageItem(LoopTable& table, std::uint8_t loopIndex, std::uint8_t itemIndex);
std::uint8_t MoveLoopUp(LoopTable& table, std::uint8_t index);
std::uint8_t MoveLoopDown(LoopTable& table, std::uint8_t index);

} // namespace orvex
