#include "model/text_rules.h"

#include "platform/cp1252.h"

#include <algorithm>

namespace orvex {
namespace {

// The C0 controls, DEL, and the five bytes Windows-1252 leaves unassigned, which only carry
// C1 controls through a round trip.
bool isControlByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F || byte == 0x81 || byte == 0x8D || byte == 0x8F ||
           byte == 0x90 || byte == 0x9D;
}

} // namespace

PlaylistText toPlaylistText(std::string_view utf8, std::size_t maxBytes) {
    auto bytes = utf8ToCp1252(utf8);
    if (!bytes) {
        return {{}, TextFault::kNotWindows1252};
    }
    if (std::any_of(bytes->begin(), bytes->end(), isControlByte)) {
        return {{}, TextFault::kControlCharacter};
    }
    if (bytes->find('<') != std::string::npos) {
        return {{}, TextFault::kLessThanSign};
    }
    if (bytes->size() > maxBytes) {
        return {{}, TextFault::kTooLong};
    }
    return {std::move(*bytes), TextFault::kNone};
}

} // namespace orvex
