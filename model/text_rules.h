#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvex {

// Why a text cannot be stored in the playlist as it is.
enum class TextFault {
    kNone,
    kNotWindows1252,   // holds a character the playlist's code page cannot carry
    kControlCharacter, // a tab, line break or other control would break the file's layout
    kLessThanSign,     // the reader takes a value holding "<" for a node and loses it
    kTooLong,
};

// Most bytes a loop name may take: the field holds 63 and a NUL.
inline constexpr std::size_t kMaxLoopNameBytes = 63;
// Most bytes of a picture's bare file name: the field also holds the leading "/".
inline constexpr std::size_t kMaxBareFileNameBytes = 62;

// The Windows-1252 bytes of a UTF-8 text, or the first fault that keeps it out of the playlist.
struct PlaylistText {
    std::string bytes;
    TextFault fault = TextFault::kNone;
    bool ok() const { return fault == TextFault::kNone; }
};

PlaylistText toPlaylistText(std::string_view utf8, std::size_t maxBytes);

} // namespace orvex
