#pragma once

#include "model/records.h"
#include "platform/regional.h"

#include <cstdint>

namespace orvex {

class ParamIO;

// Set the sequence's values in the order the player's file lists them; dates and times become
// text in the given regional format. Nothing in the sequence changes.

// The 16 general settings, then every loop in use.
void WriteMainParams(ParamIO& io, const Sequence& sequence, const RegionalFormat& format);
// Loop n's 17 values, then its image items in use; nothing for a slot not in use.
void WriteLoop(ParamIO& io, const LoopTable& table, std::uint8_t n, const RegionalFormat& format);
// Item m of loop n; nothing for a slot not in use.
void WriteImageItem(ParamIO& io, const LoopTable& table, std::uint8_t n, std::uint8_t m,
                    const RegionalFormat& format);

} // namespace orvex
