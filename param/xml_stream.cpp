#include "param/xml_stream.h"

#include "param/xml_parser.h"

#include <utility>

namespace orvex {

bool XmlStream::Parse(const char* text, std::size_t length) {
    if (text == nullptr || length < 1 || length > kMaxTextSize) {
        return false;
    }
    return Parse(std::string(text, length));
}

bool XmlStream::Parse(std::string text) {
    if (text.empty() || text.size() > kMaxTextSize) {
        return false;
    }
    m_text = std::move(text);
    const XmlTags tags(m_text);
    scanLevel(tags, 0, m_text.size(), 0, tags.size(), 0);
    return true;
}

void XmlStream::scanLevel(const XmlTags& tags, std::size_t start, std::size_t end,
                          std::size_t firstTag, std::size_t endTag, std::size_t depth) {
    XmlParser parser(tags, start, end, firstTag, endTag);
    while (parser.cursor() < end - start) {
        if (!parser.ParseElement()) {
            return;
        }
        if (!parser.isDeclaration()) {
            if (!parser.valueHoldsTag()) {
                foundElement(parser.name(), parser.value(), parser.attributeText());
            } else if (depth == kMaxNestingDepth) {
                // Too deep to follow: the level ends as at an element that cannot be completed.
                return;
            } else {
                const auto valueStart = static_cast<std::size_t>(parser.offsets().valueStart);
                foundNode(parser.name(), parser.attributeText());
                scanLevel(tags, start + valueStart, start + valueStart + parser.value().size(),
                          parser.valueFirstTag(), parser.valueEndTag(), depth + 1);
                endNode(parser.name(), parser.attributeText());
            }
        }
    }
}

// An element without a name is passed over, while its inner elements still go to the node that
// is current.
void XmlStream::foundNode(std::string_view name, std::string_view attributeText) {
    if (m_notify != nullptr && !name.empty()) {
        m_notify->FoundNode(name, attributeText);
    }
}

void XmlStream::foundElement(std::string_view name, std::string_view value,
                             std::string_view attributeText) {
    if (m_notify != nullptr && !name.empty()) {
        m_notify->FoundElement(name, value, attributeText);
    }
}

void XmlStream::endNode(std::string_view name, std::string_view attributeText) {
    if (m_notify != nullptr && !name.empty()) {
        m_notify->EndNode(name, attributeText);
    }
}

} // namespace orvex
