#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvex {

// The model and the playlist hold Windows-1252 bytes; the interface and the file system speak
// UTF-8. These are the only crossings between the two.
std::string cp1252ToUtf8(std::string_view text);

// None when the text holds a character that Windows-1252 cannot carry, or is not valid UTF-8.
std::optional<std::string> utf8ToCp1252(std::string_view text);

} // namespace orvex
