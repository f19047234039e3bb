#include "jpeg/libjpeg_decode.h"

#include "jpeg/cmyk_to_rgb.h"
#include "jpeg/dct_scale.h"
#include "jpeg/decode_failure.h"
#include "jpeg/decode_limits.h"

#include <csetjmp>
#include <cstdio>
#include <new>
#include <optional>
#include <utility>
// libjpeg's headers need FILE and size_t declared first.
#include <jpeglib.h>
// After jpeglib.h, which it completes with the message codes.
#include <jerror.h>

namespace orvex::detail {

namespace {

constexpr std::size_t kRgbBytes = 3;
constexpr JDIMENSION kCmykBytes = 4;

// Everything one decode touches. libjpeg reports failure by a longjmp back to runDecode, which
// skips the destructors of every frame in between, so those frames own nothing that has one:
// whatever must be released or handed back lives here, in the caller's frame.
struct DecodeJob {
    DecodeJob(const JpegSource& jpegSource, ScaleRequest scaleRequest, bool onlyHeader)
        : source(jpegSource), request(scaleRequest), headerOnly(onlyHeader) {}
    DecodeJob(const DecodeJob&) = delete;
    DecodeJob& operator=(const DecodeJob&) = delete;
    // Safe on a never-created decompressor too: it is zeroed and has no memory manager.
    ~DecodeJob() { jpeg_destroy_decompress(&cinfo); }

    JpegSource source;
    ScaleRequest request;
    bool headerOnly = false;
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr errorManager{};
    jpeg_progress_mgr progress{};
    std::jmp_buf jump{};
    AbortCause cause = AbortCause::kLibjpegError;
    int libjpegCode = 0;
    char libjpegText[JMSG_LENGTH_MAX] = {};
    RgbImage image;
};

DecodeJob& jobOf(j_common_ptr cinfo) {
    return *static_cast<DecodeJob*>(cinfo->client_data);
}

[[noreturn]] void abortDecode(j_common_ptr cinfo, AbortCause cause) {
    DecodeJob& job = jobOf(cinfo);
    job.cause = cause;
    job.libjpegCode = cinfo->err->msg_code;
    (*cinfo->err->format_message)(cinfo, job.libjpegText);
    std::longjmp(job.jump, 1);
}

void onError(j_common_ptr cinfo) {
    abortDecode(cinfo, AbortCause::kLibjpegError);
}

// libjpeg warns where it met data it had to make up for (a gap, a bad code, a missing end) and
// would go on to deliver a picture with grey or smeared parts, which is not the file's picture.
// So the first warning ends the decode, rather than being counted and judged at the end: that
// also keeps a header without data from being decoded at length. Trace messages are ignored.
void onMessage(j_common_ptr cinfo, int level) {
    if (level < 0) {
        abortDecode(cinfo, AbortCause::kLibjpegWarning);
    }
}

// The default prints to stderr; every message reaches the caller through the result instead.
void onOutputMessage(j_common_ptr /*cinfo*/) {}

void onProgress(j_common_ptr cinfo) {
    if (jobOf(cinfo).cinfo.input_scan_number > kMaxScans) {
        abortDecode(cinfo, AbortCause::kTooManyScans);
    }
}

void installHandlers(DecodeJob& job) {
    job.cinfo.err = jpeg_std_error(&job.errorManager);
    job.errorManager.error_exit = onError;
    job.errorManager.emit_message = onMessage;
    job.errorManager.output_message = onOutputMessage;
    job.progress.progress_monitor = onProgress;
    job.cinfo.client_data = &job;
}

void chooseOutput(jpeg_decompress_struct& cinfo, ScaleRequest request) {
    // libjpeg turns YCCK into CMYK but neither into RGB; that last step is cmykToRgb's.
    const bool cmyk = cinfo.jpeg_color_space == JCS_CMYK || cinfo.jpeg_color_space == JCS_YCCK;
    cinfo.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    cinfo.scale_num = 1;
    cinfo.scale_denom = static_cast<unsigned>(scaleDenominatorFor(
        static_cast<int>(cinfo.image_width), static_cast<int>(cinfo.image_height), request));
}

void readRows(DecodeJob& job) {
    jpeg_decompress_struct& cinfo = job.cinfo;
    const auto common = reinterpret_cast<j_common_ptr>(&cinfo);
    const bool cmyk = cinfo.out_color_space == JCS_CMYK;
    const bool adobeInverted = cinfo.saw_Adobe_marker != FALSE;
    const std::size_t width = cinfo.output_width;
    const std::size_t rowBytes = width * kRgbBytes;
    const JSAMPARRAY cmykRow =
        cmyk ? (*cinfo.mem->alloc_sarray)(common, JPOOL_IMAGE, cinfo.output_width * kCmykBytes, 1)
             : nullptr;

    RgbImage& image = job.image;
    image.width = static_cast<int>(cinfo.output_width);
    image.height = static_cast<int>(cinfo.output_height);
    // Reserved untouched, the pages of a big claimed image cost nothing until rows arrive, and
    // a header without data fails at its first row.
    image.pixels.reserve(rowBytes * cinfo.output_height);
    while (cinfo.output_scanline < cinfo.output_height) {
        const std::size_t rowStart = image.pixels.size();
        image.pixels.resize(rowStart + rowBytes);
        std::uint8_t* rgbRow = image.pixels.data() + rowStart;
        JSAMPROW target = cmyk ? cmykRow[0] : rgbRow;
        if (jpeg_read_scanlines(&cinfo, &target, 1) != 1) {
            // Only a suspending source delivers no row, and neither of ours suspends.
            cinfo.err->msg_code = JERR_INPUT_EOF;
            (*cinfo.err->error_exit)(common);
        }
        if (cmyk) {
            cmykToRgb(cmykRow[0], rgbRow, width, adobeInverted);
        }
    }
}

// True when every row arrived without a warning and the data ended properly.
bool decodeStages(DecodeJob& job) {
    jpeg_decompress_struct& cinfo = job.cinfo;
    jpeg_create_decompress(&cinfo);
    cinfo.mem->max_memory_to_use = kMaxLibjpegMemoryBytes;
    cinfo.progress = &job.progress;
    if (job.source.file != nullptr) {
        jpeg_stdio_src(&cinfo, job.source.file);
    } else {
        jpeg_mem_src(&cinfo, job.source.data, static_cast<unsigned long>(job.source.size));
    }
    jpeg_read_header(&cinfo, TRUE);
    if (job.headerOnly) {
        return true;
    }
    chooseOutput(cinfo, job.request);
    jpeg_calc_output_dimensions(&cinfo);
    if (std::uint64_t{cinfo.output_width} * cinfo.output_height > kMaxDecodedPixels) {
        job.cause = AbortCause::kTooManyPixels;
        return false;
    }
    jpeg_start_decompress(&cinfo);
    readRows(job);
    jpeg_finish_decompress(&cinfo);
    return true;
}

// The frame libjpeg's failures longjmp back to; see DecodeJob.
bool runDecode(DecodeJob& job) {
    installHandlers(job);
    if (setjmp(job.jump) != 0) {
        return false;
    }
    return decodeStages(job);
}

// Runs the job; none when it completed, else why it did not.
std::optional<DecodeError> run(DecodeJob& job) {
    try {
        if (runDecode(job)) {
            return std::nullopt;
        }
    } catch (const std::bad_alloc&) {
        return DecodeError{DecodeErrorKind::kOverLimit,
                           "There is not enough memory to decode the image."};
    }
    return describeAbort({job.cause, job.libjpegCode, job.libjpegText, job.cinfo.image_width,
                          job.cinfo.image_height});
}

} // namespace

DecodeResult decodeWithLibjpeg(const JpegSource& source, ScaleRequest request) {
    DecodeJob job(source, request, false);
    if (auto error = run(job)) {
        return std::move(*error);
    }
    return std::move(job.image);
}

SizeResult readSizeWithLibjpeg(const JpegSource& source) {
    DecodeJob job(source, ScaleRequest::fullSize(), true);
    if (auto error = run(job)) {
        return std::move(*error);
    }
    return ImageSize{static_cast<int>(job.cinfo.image_width),
                     static_cast<int>(job.cinfo.image_height)};
}

} // namespace orvex::detail
