#pragma once

#include "param/file_result.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace orvex {

// Reads a whole file, turning its CR LF line ends into line feeds. A file of more than maxSize
// bytes is refused as too large. On failure the text is untouched.
FileResult readTextFile(const std::filesystem::path& path, std::string& text, std::size_t maxSize);

// Replaces the file with the text, its line feeds stored as CR LF. The text goes to a new file
// beside it, which takes the old one's place only once every byte is on the disk, so a failed
// write never leaves a cut-off file. An existing file that may not be written keeps its contents.
FileResult replaceTextFile(const std::filesystem::path& path, std::string_view text);

} // namespace orvex
