#include "param/xml_tags.h"

#include <algorithm>

namespace orvex {

XmlTags::XmlTags(std::string_view text) : m_text(text) {
    m_tags.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '<')));
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
