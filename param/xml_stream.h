#pragma once

#include "param/xml_notify.h"
#include "param/xml_tags.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace orvex {

// Scans XML text level by level and reports its elements to an XmlNotify: an element whose text
// holds a "<" is a node and is scanned again one level down, every other element is a leaf.
// Where the text stops making sense, the scan of that level ends; nothing is reported as an error.
class XmlStream {
public:
    // How many node elements may enclose one another; a playlist needs four. Deeper text ends the
    // scan of its level like an element that cannot be completed, so that hostile text can
    // neither exhaust the stack nor make the scan, which walks each level's tags again, slow.
    static constexpr std::size_t kMaxNestingDepth = 32;

    // Null stops the events.
    void SetNotify(XmlNotify* notify) { m_notify = notify; }

    // The longest text scanned.
    static constexpr std::size_t kMaxTextSize = XmlTags::kMaxTextSize;

    // Keeps a copy of the text and scans it. False, with nothing scanned, for no text or one
    // longer than kMaxTextSize.
    bool Parse(const char* text, std::size_t length);
    // As above, taking over the text instead of copying it.
    bool Parse(std::string text);

private:
    // Scans the text from start up to end, whose tags are those from firstTag up to endTag.
    void scanLevel(const XmlTags& tags, std::size_t start, std::size_t end, std::size_t firstTag,
                   std::size_t endTag, std::size_t depth);
    void foundNode(std::string_view name, std::string_view attributeText);
    void foundElement(std::string_view name, std::string_view value,
                      std::string_view attributeText);
    void endNode(std::string_view name, std::string_view attributeText);

    std::string m_text;
    XmlNotify* m_notify = nullptr;
};

} // namespace orvex
