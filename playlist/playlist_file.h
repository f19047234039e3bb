#pragma once

#include "model/records.h"
#include "param/file_result.h"
#include "platform/regional.h"

#include <filesystem>
#include <memory>
#include <string>

namespace orvex {

inline constexpr const char* kPlaylistFileName = "playlist.xml";

// Writes the whole sequence to the file. On failure an existing file keeps its contents and the
// result carries the system's reason.
FileResult savePlaylist(const Sequence& sequence, const RegionalFormat& format,
                        const std::filesystem::path& file);

enum class LoadFailure {
    kNone,
    kUnreadable,      // the file exists but cannot be read
    kInvalidDateTime, // a date or time text does not convert under the format
};

struct LoadResult {
    std::unique_ptr<Sequence> sequence; // the whole file's sequence; null on failure
    LoadFailure failure = LoadFailure::kNone;
    // The system's reason for an unreadable file, or, in UTF-8,
    // "'<text>' is not a valid date and time" for a text that does not convert.
    std::string message;
};

// Reads the file into a sequence of its own, so that the caller's sequence changes only when the
// whole file was read. A file that does not exist gives an empty sequence with the load's
// default settings.
LoadResult loadPlaylist(const std::filesystem::path& file, const RegionalFormat& format);

} // namespace orvex
