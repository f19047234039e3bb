#pragma once

#include <string>
#include <string_view>

namespace orvex {

// The playlist file stores each line end, and each line feed inside a value, as CR LF.
std::string toFileLineEnds(std::string_view text);
// The same, appended to a text.
void appendFileLineEnds(std::string& result, std::string_view text);

// Turns each CR LF pair back into a line feed; a CR not followed by LF stays.
std::string fromFileLineEnds(std::string_view text);

} // namespace orvex
