#include "param/line_ends.h"

namespace orvex {

// Both copy the runs between the bytes they look for whole: a byte-by-byte copy of a full
// sequence's text took longer than writing it.

std::string toFileLineEnds(std::string_view text) {
    std::string result;
    appendFileLineEnds(result, text);
    return result;
}

void appendFileLineEnds(std::string& result, std::string_view text) {
    result.reserve(result.size() + text.size() + text.size() / 16);
    for (std::size_t lineFeed = text.find('\n'); lineFeed != std::string_view::npos;
         lineFeed = text.find('\n')) {
        result.append(text.substr(0, lineFeed));
        result += "\r\n";
        text.remove_prefix(lineFeed + 1);
    }
    result.append(text);
}

std::string fromFileLineEnds(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t cr = text.find('\r'); cr != std::string_view::npos; cr = text.find('\r')) {
        // A CR with an LF after it is dropped; one without is kept like any other byte.
        const bool pair = cr + 1 < text.size() && text[cr + 1] == '\n';
        result.append(text.substr(0, pair ? cr : cr + 1));
        text.remove_prefix(cr + 1);
    }
    result.append(text);
    return result;
}

} // namespace orvex
