#pragma once

#include "param/xml_tags.h"

#include <cstddef>
#include <string_view>

namespace orvex {

// Finds one element at a time in a span of XML text by matching the literal texts of its tags.
// Tolerant rather than conforming: no entities, no attributes split, no error reports.
class XmlParser {
public:
    // Byte offsets into the span for the element found last; -1 where not set. Each start/end
    // pair names the first and last byte of its part and covers nothing when end < start.
    struct Offsets {
        std::ptrdiff_t tagStart = -1;
        std::ptrdiff_t tagEnd = -1;
        std::ptrdiff_t closeStart = -1;
        std::ptrdiff_t closeEnd = -1;
        std::ptrdiff_t nameStart = -1;
        std::ptrdiff_t nameEnd = -1;
        std::ptrdiff_t attributeStart = -1;
        std::ptrdiff_t attributeEnd = -1;
        std::ptrdiff_t valueStart = -1;
        std::ptrdiff_t valueEnd = -1;
    };

    // The span runs from spanStart up to spanEnd of the text the tags were found in.
    XmlParser(const XmlTags& tags, std::size_t spanStart, std::size_t spanEnd);
    // The same, where the tags from firstTag up to endTag (not included) are known to be those
    // that start in the span.
    XmlParser(const XmlTags& tags, std::size_t spanStart, std::size_t spanEnd, std::size_t firstTag,
              std::size_t endTag);

    // Records the next element at the cursor and moves the cursor past it. False when no complete
    // element follows: a "<" without a later ">", or no matching close tag. Each call goes on from
    // where the last one left the cursor.
    bool ParseElement();

    // The element found last was an XML declaration or a comment, which carry no data.
    bool isDeclaration() const { return m_declaration; }
    // The value of the element found last holds a "<".
    bool valueHoldsTag() const { return m_valueHoldsTag; }

    std::string_view name() const { return covered(m_offsets.nameStart, m_offsets.nameEnd); }
    std::string_view attributeText() const {
        return covered(m_offsets.attributeStart, m_offsets.attributeEnd);
    }
    std::string_view value() const { return covered(m_offsets.valueStart, m_offsets.valueEnd); }
    const Offsets& offsets() const { return m_offsets; }
    std::size_t cursor() const { return m_cursor; }
    // The tags that start in the value of the element found last, for the scan of the level
    // below it: from valueFirstTag up to valueEndTag, not included.
    std::size_t valueFirstTag() const { return m_valueFirstTag; }
    std::size_t valueEndTag() const { return m_valueEndTag; }

private:
    // Inline: the reader asks for each element's texts, and a call apiece cost more than the work.
    std::string_view covered(std::ptrdiff_t start, std::ptrdiff_t end) const {
        if (start < 0 || end < start) {
            return {};
        }
        return m_span.substr(static_cast<std::size_t>(start),
                             static_cast<std::size_t>(end - start + 1));
    }
    static constexpr std::size_t kNoTag = static_cast<std::size_t>(-1);

    // Whether the tag at index is the close tag of the name.
    bool closesAt(std::string_view name, std::size_t index) const;
    // The index, or kNoTag when the close tag there runs past the span.
    std::size_t closeWithin(std::size_t index) const;
    // The index of the tag that closes the element, searched from the tag at firstTag on, or
    // kNoTag.
    std::size_t findClose(std::string_view name, std::size_t firstTag) const;
    // The index of the first tag starting after end, searched from the tag at index on, or the
    // span's end tag.
    std::size_t tagAfter(std::size_t index, std::size_t end) const;

    const XmlTags& m_tags;
    std::size_t m_spanStart;
    std::string_view m_span;
    std::size_t m_cursor = 0;
    // The first tag at or after the cursor, so that no element needs a search for it.
    std::size_t m_nextTag;
    std::size_t m_endTag;
    std::size_t m_valueFirstTag = 0;
    std::size_t m_valueEndTag = 0;
    bool m_declaration = false;
    bool m_valueHoldsTag = false;
    Offsets m_offsets;
};

} // namespace orvex
