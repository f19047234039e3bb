#include "jpeg/jpeg_decoder.h"

#include "jpeg/libjpeg_decode.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>
#include <variant>

namespace orvex {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

DecodeError cannotOpen(const std::string& reason) {
    return {DecodeErrorKind::kCannotOpen, "The file cannot be opened: " + reason + "."};
}

using OpenFile = std::unique_ptr<std::FILE, FileCloser>;

// The open file, or why a picture cannot be read from that path.
std::variant<OpenFile, DecodeError> openPicture(const std::string& path) {
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
    OpenFile file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        return cannotOpen(std::generic_category().message(errno));
    }
    return file;
}

template <typename Result, typename Read> Result readPicture(const std::string& path, Read read) {
    auto opened = openPicture(path);
    if (auto* error = std::get_if<DecodeError>(&opened)) {
        return std::move(*error);
    }
    std::FILE* file = std::get<OpenFile>(opened).get();
    Result result = read(detail::JpegSource{.file = file});
    // libjpeg takes a failed read for the end of the data; say what really happened.
    if (!result.ok() && std::ferror(file) != 0) {
        return DecodeError{DecodeErrorKind::kCannotOpen, "The file could not be read."};
    }
    return result;
}

} // namespace

DecodeResult decodeJpegFile(const std::string& path, ScaleRequest request) {
    return readPicture<DecodeResult>(path, [request](const detail::JpegSource& source) {
        return detail::decodeWithLibjpeg(source, request);
    });
}

SizeResult readJpegFileSize(const std::string& path) {
    return readPicture<SizeResult>(path, detail::readSizeWithLibjpeg);
}

DecodeResult decodeJpegBuffer(std::span<const std::uint8_t> data, ScaleRequest request) {
    return detail::decodeWithLibjpeg({.data = data.data(), .size = data.size()}, request);
}

} // namespace orvex
