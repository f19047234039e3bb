#pragma once

#include "jpeg/scale_request.h"

namespace orvex {

// The denominator d (1, 2, 4 or 8) of the strongest DCT downscale 1/d whose output still covers
// the picture as it is fitted into the requested box with its proportions kept. A picture no
// larger than the box gets 1: it is shown at least at its full size.
int scaleDenominatorFor(int imageWidth, int imageHeight, ScaleRequest request);

} // namespace orvex
