#include "param/xml_tags.h"

#include <algorithm>

namespace orvex {

namespace {

// The number of "<" in the text, for reserving the list exactly. The library count compiled to a
// byte-at-a-time loop that cost as much as finding the tags themselves.
std::size_t countOpens(std::string_view text) {
    // Blocks small enough for a narrow sum, which vector code adds up many at a time.
    constexpr std::size_t kBlock = 255;
    std::size_t count = 0;
    while (!text.empty()) {
        const std::string_view block = text.substr(0, kBlock);
        unsigned char blockCount = 0;
        for (const char byte : block) {
            blockCount = static_cast<unsigned char>(blockCount + (byte == '<' ? 1 : 0));
        }
        count += blockCount;
        text.remove_prefix(block.size());
    }
    return count;
}

} // namespace

XmlTags::XmlTags(std::string_view text) : m_text(text) {
    m_tags.reserve(countOpens(text));
    std::size_t end = kNoEnd;
    bool endKnown = false;
    for (std::size_t start = text.find('<'); start != std::string_view::npos;
         start = text.find('<', start + 1)) {
        // Tags written inside one another share their ">", so each byte is searched once.
        if (!endKnown || (end != kNoEnd && end < start)) {
            end = text.find('>', start);
            endKnown = true;
        }
        m_tags.push_back({start, end});
    }
}

std::size_t XmlTags::firstFrom(std::size_t pos) const {
    const auto found =
        std::lower_bound(m_tags.begin(), m_tags.end(), pos,
                         [](const Tag& tag, std::size_t at) { return tag.start < at; });
    return static_cast<std::size_t>(found - m_tags.begin());
}

} // namespace orvex
