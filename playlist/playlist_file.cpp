#include "playlist/playlist_file.h"

#include "model/store.h"
#include "param/param_io.h"
#include "playlist/playlist_read.h"
#include "playlist/playlist_write.h"

namespace orvex {

FileResult savePlaylist(const Sequence& sequence, const RegionalFormat& format,
                        const std::filesystem::path& file) {
    ParamIO io;
    WriteMainParams(io, sequence, format);
    return io.WriteFile(file);
}

LoadResult loadPlaylist(const std::filesystem::path& file, const RegionalFormat& format) {
    ParamIO io;
    const FileResult read = io.ReadFile(file);
    if (read.status == FileResult::Status::kFailed) {
        return {nullptr, LoadFailure::kUnreadable, read.reason};
    }
    // A missing file reads as an empty document: every value takes its default.
    auto sequence = std::make_unique<Sequence>();
    ClearLoops(sequence->loopTable);
    try {
        ReadMainParams(io, *sequence, format);
    } catch (const DateTimeConversionError& error) {
        return {nullptr, LoadFailure::kInvalidDateTime, error.what()};
    }
    return {std::move(sequence), LoadFailure::kNone, {}};
}

} // namespace orvex
