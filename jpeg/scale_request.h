#pragma once

namespace orvex {

// The size a decode is for. A picture shown in a box is decoded only as large as needed to fill
// that box; a box with a side of zero or less asks for the full size, which is always enough.
struct ScaleRequest {
    int boxWidth = 0;
    int boxHeight = 0;

    static constexpr ScaleRequest fullSize() { return {}; }
    static constexpr ScaleRequest fitInto(int width, int height) { return {width, height}; }
};

} // namespace orvex
