#include "param/xml_parser.h"

#include <algorithm>

namespace orvex {

namespace {

constexpr std::string_view kDeclarationPrefix = "?xml";
constexpr std::string_view kCommentPrefix = "!--";

std::ptrdiff_t at(std::size_t pos) {
    return static_cast<std::ptrdiff_t>(pos);
}

// Whether the tag's text is exactly prefix + name + ">". A name holds no ">", so the tag's first
// ">" must be the one that ends such a text.
bool tagIs(std::string_view text, const XmlTags::Tag& tag, std::string_view prefix,
           std::string_view name) {
    return tag.end != XmlTags::kNoEnd && tag.end - tag.start == prefix.size() + name.size() &&
           text.substr(tag.start, prefix.size()) == prefix &&
           text.substr(tag.start + prefix.size(), name.size()) == name;
}

} // namespace

XmlParser::XmlParser(const XmlTags& tags, std::size_t spanStart, std::size_t spanEnd)
    : XmlParser(tags, spanStart, spanEnd, tags.firstFrom(spanStart)) {}

XmlParser::XmlParser(const XmlTags& tags, std::size_t spanStart, std::size_t spanEnd,
                     std::size_t firstTag)
    : m_tags(tags), m_spanStart(spanStart),
      m_span(tags.text().substr(spanStart, spanEnd - spanStart)), m_nextTag(firstTag) {}

bool XmlParser::ParseElement() {
    m_offsets = Offsets{};
    m_declaration = false;
    m_valueHoldsTag = false;
    m_offsets.tagStart = m_offsets.tagEnd = m_offsets.closeStart = m_offsets.closeEnd =
        at(m_cursor);

    const std::size_t spanEnd = m_spanStart + m_span.size();
    const std::size_t first = m_nextTag;
    if (first == m_tags.size() || m_tags[first].start >= spanEnd ||
        m_tags[first].end == XmlTags::kNoEnd || m_tags[first].end >= spanEnd) {
        return false;
    }
    const std::size_t tagStart = m_tags[first].start - m_spanStart;
    const std::size_t tagEnd = m_tags[first].end - m_spanStart;
    m_offsets.tagStart = at(tagStart);
    m_offsets.tagEnd = at(tagEnd);
    const bool selfClosing = m_span[tagEnd - 1] == '/';

    // Only a space ends a name early: a tab or line break after it stays part of the name.
    const std::size_t nameStart = tagStart + 1;
    std::size_t nameStop = selfClosing ? tagEnd - 1 : tagEnd;
    nameStop = std::min(nameStop, m_span.substr(0, nameStop).find(' ', nameStart));
    const std::size_t nameLength = nameStop - nameStart;
    m_offsets.nameStart = at(nameStart);
    m_offsets.nameEnd = at(nameStop) - 1;

    const std::size_t tagLength = tagEnd - tagStart + 1;
    if (nameLength > 0 && tagLength > nameLength + 3) {
        m_offsets.attributeStart = at(nameStop + 1);
        m_offsets.attributeEnd = at(selfClosing ? tagEnd - 2 : tagEnd - 1);
    }

    const std::string_view tagName = name();
    m_declaration = tagName.starts_with(kDeclarationPrefix) || tagName.starts_with(kCommentPrefix);
    const std::size_t afterTag = tagAfter(first, m_tags[first].end);
    if (selfClosing || m_declaration) {
        m_cursor = tagEnd + 1;
        m_nextTag = afterTag;
        return true;
    }

    m_valueFirstTag = afterTag;
    const std::size_t close = findClose(m_span.substr(nameStart, nameLength), afterTag);
    if (close == XmlTags::kNoEnd) {
        return false;
    }
    const std::size_t closeStart = m_tags[close].start - m_spanStart;
    const std::size_t closeEnd = m_tags[close].end - m_spanStart;
    m_offsets.closeStart = at(closeStart);
    m_offsets.closeEnd = at(closeEnd);
    m_offsets.valueStart = at(tagEnd + 1);
    m_offsets.valueEnd = at(closeStart) - 1;
    // Every "<" starts a tag, so the value holds one exactly when a tag starts between the two.
    m_valueHoldsTag = afterTag != close;

    m_nextTag = tagAfter(close, m_tags[close].end);
    m_cursor = m_nextTag < m_tags.size() && m_tags[m_nextTag].start < spanEnd
                   ? m_tags[m_nextTag].start - m_spanStart
                   : closeEnd;
    return true;
}

std::size_t XmlParser::tagAfter(std::size_t index, std::size_t end) const {
    // Only a tag written inside another one starts before that one's ">".
    while (index < m_tags.size() && m_tags[index].start <= end) {
        ++index;
    }
    return index;
}

// The first close tag of the name after the tag end, passing over one more close tag for each
// open tag of the same name (without attribute text) that stands before it.
std::size_t XmlParser::findClose(std::string_view name, std::size_t firstTag) const {
    const std::string_view text = m_tags.text();
    const std::size_t spanEnd = m_spanStart + m_span.size();
    std::size_t open = 1;
    for (std::size_t i = firstTag; i < m_tags.size(); ++i) {
        const XmlTags::Tag& tag = m_tags[i];
        if (tag.start >= spanEnd) {
            break;
        }
        if (tagIs(text, tag, "</", name)) {
            // A close tag that runs past the span cannot be this element's, nor can any later one.
            if (tag.end >= spanEnd) {
                break;
            }
            if (--open == 0) {
                return i;
            }
        } else if (tagIs(text, tag, "<", name)) {
            ++open;
        }
    }
    return XmlTags::kNoEnd;
}

std::string_view XmlParser::covered(std::ptrdiff_t start, std::ptrdiff_t end) const {
    if (start < 0 || end < start) {
        return {};
    }
    return m_span.substr(static_cast<std::size_t>(start),
                         static_cast<std::size_t>(end - start + 1));
}

} // namespace orvex
