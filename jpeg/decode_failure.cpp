#include "jpeg/decode_failure.h"

#include "jpeg/decode_limits.h"

#include <cstdio>
// libjpeg's headers need FILE and size_t declared first.
#include <jpeglib.h>
// After jpeglib.h, which it completes with the message codes.
#include <jerror.h>

namespace orvex::detail {

namespace {

DecodeError describeLibjpegError(const DecodeAbort& abort) {
    switch (abort.libjpegCode) {
    case JERR_INPUT_EMPTY:
        return {DecodeErrorKind::kEmpty, "The file is empty."};
    case JERR_NO_SOI:
        return {DecodeErrorKind::kNotJpeg, "The file is not a JPEG image."};
    case JERR_IMAGE_TOO_BIG:
    case JERR_WIDTH_OVERFLOW:
        return {DecodeErrorKind::kOverLimit,
                "The image is too large to decode (" + abort.libjpegText + ")."};
    case JERR_NO_BACKING_STORE:
    case JERR_OUT_OF_MEMORY:
        return {DecodeErrorKind::kOverLimit, "The image is too large to decode in the memory "
                                             "allowed for a picture."};
    case JERR_ARITH_NOTIMPL:
    case JERR_BAD_PRECISION:
    case JERR_CONVERSION_NOTIMPL:
    case JERR_NOT_COMPILED:
        return {DecodeErrorKind::kUnsupported,
                "This kind of JPEG image is not supported (" + abort.libjpegText + ")."};
    default:
        return {DecodeErrorKind::kCorrupt, "The JPEG data is damaged (" + abort.libjpegText + ")."};
    }
}

} // namespace

DecodeError describeAbort(const DecodeAbort& abort) {
    switch (abort.cause) {
    case AbortCause::kLibjpegWarning:
        return {DecodeErrorKind::kCorrupt,
                "The JPEG data is damaged or incomplete (" + abort.libjpegText + ")."};
    case AbortCause::kTooManyScans:
        return {DecodeErrorKind::kOverLimit,
                "The JPEG file has more than " + std::to_string(kMaxScans) + " scans."};
    case AbortCause::kTooManyPixels:
        return {DecodeErrorKind::kOverLimit, "The image is too large to decode (" +
                                                 std::to_string(abort.imageWidth) + " x " +
                                                 std::to_string(abort.imageHeight) + " pixels)."};
    case AbortCause::kLibjpegError:
        break;
    }
    return describeLibjpegError(abort);
}

} // namespace orvex::detail
