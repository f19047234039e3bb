#pragma once

#include "param/file_result.h"
#include "param/text_pieces.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace orvex {

// Reads a whole file, turning its CR LF line ends into line feeds. A file of more than maxSize
// bytes is refused as too large. On failure the text is untouched.
FileResult readTextFile(const std::filesystem::path& path, std::string& text, std::size_t maxSize);

// Replaces the file with the text that produce hands, piece by piece, to the function it is
// given, its line feeds stored as CR LF. The text goes to a new file beside it, which takes the
// old one's place only once every byte is on the disk, so a failed write never leaves a cut-off
// file. An existing file that may not be written keeps its contents.
FileResult replaceTextFile(const std::filesystem::path& path,
                           const std::function<void(const TextPieces& write)>& produce);

} // namespace orvex
