#pragma once

#include <QString>
#include <cstddef>
#include <string>
#include <string_view>

namespace orvex {

// Most bytes of a logo's bare name the player's logo field takes.
inline constexpr std::size_t kMaxLogoNameBytes = 31;

// The bare name of a logo path as the playlist keeps it: the part after the last "\" or ":"
// (the whole path without either), without leading "/" and "\".
std::string bareLogoName(std::string_view path);

// The Windows-1252 bare name of a chosen logo file, or empty with `why` saying why the name
// cannot be the logo's.
std::string chosenLogoName(const QString& fileName, QString& why);

} // namespace orvex
