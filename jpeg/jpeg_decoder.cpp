#include "jpeg/jpeg_decoder.h"

#include "jpeg/libjpeg_decode.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

namespace orvex {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

DecodeError cannotOpen(const std::string& reason) {
    return {DecodeErrorKind::kCannotOpen, "The file cannot be opened: " + reason + "."};
}

} // namespace

DecodeResult decodeJpegFile(const std::string& path, ScaleRequest request) {
    // The C library would stop at the NUL and open some other file.
    if (path.find('\0') != std::string::npos) {
        return cannotOpen("the name contains a NUL character");
    }
    std::error_code statusError;
    const auto status = std::filesystem::status(path, statusError);
    if (statusError) {
        return cannotOpen(statusError.message());
    }
    if (std::filesystem::is_directory(status)) {
        return cannotOpen("it is a folder");
    }
    // A pipe or device could block the program or never end.
    if (!std::filesystem::is_regular_file(status)) {
        return cannotOpen("it is not a regular file");
    }
    const std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return cannotOpen(std::generic_category().message(errno));
    }
    DecodeResult result = detail::decodeWithLibjpeg({.file = file.get()}, request);
    // libjpeg takes a failed read for the end of the data; say what really happened.
    if (!result.ok() && std::ferror(file.get()) != 0) {
        return DecodeError{DecodeErrorKind::kCannotOpen, "The file could not be read."};
    }
    return result;
}

DecodeResult decodeJpegBuffer(std::span<const std::uint8_t> data, ScaleRequest request) {
    return detail::decodeWithLibjpeg({.data = data.data(), .size = data.size()}, request);
}

} // namespace orvex
