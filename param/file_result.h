#pragma once

#include <string>

namespace orvex {

// What became of reading or writing a file, with the system's words for a failure so that the
// caller can tell the user.
struct FileResult {
    enum class Status {
        kDone,
        kNotFound, // the file, or a folder on its path, does not exist
        kFailed,   // it exists but could not be read or written: no permission, a folder, I/O
    };

    Status status = Status::kDone;
    std::string reason; // empty when done

    explicit operator bool() const { return status == Status::kDone; }
};

} // namespace orvex
