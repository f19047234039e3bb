#pragma once

#include "jpeg/decode_result.h"

#include <string>

namespace orvex::detail {

enum class AbortCause {
    kLibjpegError,   // libjpeg gave up
    kLibjpegWarning, // libjpeg would go on, but with data it had to guess
    kTooManyScans,
    kTooManyPixels,
};

// Why a decode stopped, as recorded while libjpeg was still running.
struct DecodeAbort {
    AbortCause cause = AbortCause::kLibjpegError;
    int libjpegCode = 0; // libjpeg's message code, for the two libjpeg causes
    std::string libjpegText;
    unsigned imageWidth = 0; // as the header claims
    unsigned imageHeight = 0;
};

DecodeError describeAbort(const DecodeAbort& abort);

} // namespace orvex::detail
