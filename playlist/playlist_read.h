#pragma once

#include "model/records.h"
#include "platform/regional.h"

#include <cstdint>

namespace orvex {

class ParamIO;

// Fill the sequence from a document read from a file. A value the document lacks, or whose text
// is no number where one is expected, takes the load's own default. Counts, texts and item
// numbers are kept within the slots that exist. A date or time text that does not convert
// throws DateTimeConversionError, leaving the sequence half filled: read into a sequence of
// your own and keep it only when the whole document was read.

// The 16 general settings, then min(LoopCount, 128) loops, each appended with AddLoop.
void ReadMainParams(const ParamIO& io, Sequence& sequence, const RegionalFormat& format);
// Loop n's 17 values and its image items; nothing for a slot not in use.
void ReadLoop(const ParamIO& io, LoopTable& table, std::uint8_t n, const RegionalFormat& format);
// Item m of loop n; nothing for a slot not in use.
void ReadImageItem(const ParamIO& io, LoopTable& table, std::uint8_t n, std::uint8_t m,
                   const RegionalFormat& format);

} // namespace orvex
