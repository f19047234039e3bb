#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace orvex::test {

using Bytes = std::vector<std::uint8_t>;

// One marker of a JPEG file: `begin` at its 0xFF, `end` past its segment; for a scan, `end` is
// where the entropy-coded data starts and `dataEnd` where it stops.
struct MarkerSegment {
    std::uint8_t marker = 0;
    std::size_t begin = 0;
    std::size_t end = 0;
    std::size_t dataEnd = 0;
};

// Every marker of a well-formed file, in order.
std::vector<MarkerSegment> markerSegments(const Bytes& jpeg);

int scanCount(const Bytes& jpeg);

// The first scan's entropy-coded data.
MarkerSegment firstScan(const Bytes& jpeg);

// The same file with its frame header claiming another size.
Bytes withClaimedSize(Bytes jpeg, int width, int height);

// The file up to the end of its first scan header: all of the header, none of the data.
Bytes headerOnly(const Bytes& jpeg);

} // namespace orvex::test
