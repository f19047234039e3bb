#include "jpeg/tests/jpeg_bytes.h"

#include <algorithm>
#include <stdexcept>

namespace orvex::test {

namespace {

constexpr std::uint8_t kStartOfImage = 0xD8;
constexpr std::uint8_t kEndOfImage = 0xD9;
constexpr std::uint8_t kStartOfScan = 0xDA;

bool isFrameHeader(std::uint8_t marker) {
    return marker >= 0xC0 && marker <= 0xC2;
}

bool isRestart(std::uint8_t marker) {
    return marker >= 0xD0 && marker <= 0xD7;
}

std::size_t segmentLength(const Bytes& jpeg, std::size_t at) {
    return static_cast<std::size_t>(jpeg.at(at) << 8 | jpeg.at(at + 1));
}

// In entropy-coded data 0xFF is followed by 0 (a stuffed byte) or a restart marker.
std::size_t scanDataEnd(const Bytes& jpeg, std::size_t at) {
    while (at + 1 < jpeg.size()) {
        if (jpeg[at] == 0xFF && jpeg[at + 1] != 0 && !isRestart(jpeg[at + 1])) {
            return at;
        }
        ++at;
    }
    throw std::invalid_argument("scan data does not end in a marker");
}

} // namespace

std::vector<MarkerSegment> markerSegments(const Bytes& jpeg) {
    std::vector<MarkerSegment> segments;
    std::size_t at = 0;
    while (at + 1 < jpeg.size()) {
        if (jpeg[at] != 0xFF) {
            throw std::invalid_argument("expected a marker");
        }
        MarkerSegment segment{jpeg[at + 1], at, at + 2, at + 2};
        if (segment.marker != kStartOfImage && segment.marker != kEndOfImage) {
            segment.end += segmentLength(jpeg, at + 2);
            segment.dataEnd = segment.end;
        }
        if (segment.marker == kStartOfScan) {
            segment.dataEnd = scanDataEnd(jpeg, segment.end);
        }
        segments.push_back(segment);
        at = segment.dataEnd;
    }
    return segments;
}

int scanCount(const Bytes& jpeg) {
    const auto segments = markerSegments(jpeg);
    return static_cast<int>(std::count_if(segments.begin(), segments.end(),
                                          [](const auto& s) { return s.marker == kStartOfScan; }));
}

MarkerSegment firstScan(const Bytes& jpeg) {
    for (const MarkerSegment& segment : markerSegments(jpeg)) {
        if (segment.marker == kStartOfScan) {
            return segment;
        }
    }
    throw std::invalid_argument("no scan");
}

Bytes withClaimedSize(Bytes jpeg, int width, int height) {
    for (const MarkerSegment& segment : markerSegments(jpeg)) {
        if (isFrameHeader(segment.marker)) {
            // Marker, length, precision, then height and width, big-endian.
            jpeg.at(segment.begin + 5) = static_cast<std::uint8_t>(height >> 8);
            jpeg.at(segment.begin + 6) = static_cast<std::uint8_t>(height & 0xFF);
            jpeg.at(segment.begin + 7) = static_cast<std::uint8_t>(width >> 8);
            jpeg.at(segment.begin + 8) = static_cast<std::uint8_t>(width & 0xFF);
            return jpeg;
        }
    }
    throw std::invalid_argument("no frame header");
}

Bytes headerOnly(const Bytes& jpeg) {
    const auto end = static_cast<std::ptrdiff_t>(firstScan(jpeg).end);
    return {jpeg.begin(), jpeg.begin() + end};
}

} // namespace orvex::test
