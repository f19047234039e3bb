#include "param/xml_parser.h"

#include <cstring>

namespace orvex {

namespace {

constexpr std::string_view kDeclarationPrefix = "?xml";
constexpr std::string_view kCommentPrefix = "!--";

std::ptrdiff_t at(std::size_t pos) {
    return static_cast<std::ptrdiff_t>(pos);
}

// Whether the bytes at text are the name. A name holds no ">", so a tag's first ">" must be the one
// that ends "<" + name + ">" or "</" + name + ">"; only tags of that length are compared at all.
bool nameAt(const char* text, std::string_view name) {
    return std::memcmp(text, name.data(), name.size()) == 0;
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
    // Names are short: a loop costs less than a call to search the bytes.
    const std::size_t nameLimit = selfClosing ? tagEnd - 1 : tagEnd;
    std::size_t nameStop = nameStart;
    while (nameStop < nameLimit && m_span[nameStop] != ' ') {
        ++nameStop;
    }
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
    const char* const text = m_tags.text().data();
    const std::size_t spanEnd = m_spanStart + m_span.size();
    // The distance from "<" to ">" of "<" + name + ">" and of "</" + name + ">". A tag without
    // ">" has an end no distance reaches, so it is never compared.
    const std::size_t openLength = name.size() + 1;
    const std::size_t closeLength = name.size() + 2;
    const XmlTags::Tag* const first = m_tags.data();
    const XmlTags::Tag* const last = first + m_tags.size();
    std::size_t open = 1;
    for (const XmlTags::Tag* tag = first + firstTag; tag != last && tag->start < spanEnd; ++tag) {
        const std::size_t length = tag->end - tag->start;
        if (length == closeLength) {
            if (text[tag->start + 1] == '/' && nameAt(text + tag->start + 2, name)) {
                // A close tag that runs past the span cannot be this element's, nor can any later
                // one.
                if (tag->end >= spanEnd) {
                    break;
                }
                if (--open == 0) {
                    return static_cast<std::size_t>(tag - first);
                }
            }
        } else if (length == openLength && nameAt(text + tag->start + 1, name)) {
            ++open;
        }
    }
    return XmlTags::kNoEnd;
}

} // namespace orvex
