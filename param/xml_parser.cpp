#include "param/xml_parser.h"

#include "param/short_bytes.h"

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
    return equalShort(text, name.data(), name.size());
}

} // namespace

XmlParser::XmlParser(const XmlTags& tags, std::size_t spanStart, std::size_t spanEnd)
    : XmlParser(tags, spanStart, spanEnd, tags.firstFrom(spanStart), tags.firstFrom(spanEnd)) {}

XmlParser::XmlParser(const XmlTags& tags, std::size_t spanStart, std::size_t spanEnd,
                     std::size_t firstTag, std::size_t endTag)
    : m_tags(tags), m_spanStart(spanStart),
      m_span(tags.text().substr(spanStart, spanEnd - spanStart)), m_nextTag(firstTag),
      m_endTag(endTag) {}

bool XmlParser::ParseElement() {
    // Filled here and stored once: the parts of the last element stay readable after a failure.
    Offsets offsets;
    offsets.tagStart = offsets.tagEnd = offsets.closeStart = offsets.closeEnd = at(m_cursor);
    m_declaration = false;
    m_valueHoldsTag = false;

    const std::size_t spanEnd = m_spanStart + m_span.size();
    const std::size_t first = m_nextTag;
    if (first == m_endTag || m_tags[first].end == XmlTags::kNoEnd || m_tags[first].end >= spanEnd) {
        m_offsets = offsets;
        return false;
    }
    const char* const span = m_span.data();
    const std::size_t tagStart = m_tags[first].start - m_spanStart;
    const std::size_t tagEnd = m_tags[first].end - m_spanStart;
    offsets.tagStart = at(tagStart);
    offsets.tagEnd = at(tagEnd);
    const bool selfClosing = span[tagEnd - 1] == '/';

    // Only a space ends a name early: a tab or line break after it stays part of the name.
    const std::size_t nameStart = tagStart + 1;
    const std::size_t nameLimit = selfClosing ? tagEnd - 1 : tagEnd;
    const void* const space = std::memchr(span + nameStart, ' ', nameLimit - nameStart);
    const std::size_t nameStop =
        space == nullptr ? nameLimit
                         : static_cast<std::size_t>(static_cast<const char*>(space) - span);
    const std::size_t nameLength = nameStop - nameStart;
    offsets.nameStart = at(nameStart);
    offsets.nameEnd = at(nameStop) - 1;

    const std::size_t tagLength = tagEnd - tagStart + 1;
    if (nameLength > 0 && tagLength > nameLength + 3) {
        offsets.attributeStart = at(nameStop + 1);
        offsets.attributeEnd = at(selfClosing ? tagEnd - 2 : tagEnd - 1);
    }

    const std::string_view elementName(span + nameStart, nameLength);
    // Both kinds start with a byte no ordinary name does, which spares the comparisons.
    m_declaration =
        nameLength >= kCommentPrefix.size() &&
        (elementName.front() == '?' || elementName.front() == '!') &&
        (elementName.starts_with(kDeclarationPrefix) || elementName.starts_with(kCommentPrefix));
    const std::size_t afterTag = tagAfter(first, m_tags[first].end);
    if (selfClosing || m_declaration) {
        m_offsets = offsets;
        m_cursor = tagEnd + 1;
        m_nextTag = afterTag;
        return true;
    }

    m_valueFirstTag = afterTag;
    const std::size_t close =
        closesAt(elementName, afterTag) ? closeWithin(afterTag) : findClose(elementName, afterTag);
    if (close == kNoTag) {
        m_offsets = offsets;
        return false;
    }
    const std::size_t closeStart = m_tags[close].start - m_spanStart;
    const std::size_t closeEnd = m_tags[close].end - m_spanStart;
    offsets.closeStart = at(closeStart);
    offsets.closeEnd = at(closeEnd);
    offsets.valueStart = at(tagEnd + 1);
    offsets.valueEnd = at(closeStart) - 1;
    m_offsets = offsets;
    // Every "<" starts a tag, so the value holds one exactly when a tag starts between the two.
    m_valueHoldsTag = afterTag != close;
    m_valueEndTag = close;

    m_nextTag = tagAfter(close, m_tags[close].end);
    m_cursor = m_nextTag < m_endTag ? m_tags[m_nextTag].start - m_spanStart : closeEnd;
    return true;
}

// Most elements hold a value without tags, so the tag after the open one closes them.
bool XmlParser::closesAt(std::string_view name, std::size_t index) const {
    if (index == m_endTag) {
        return false;
    }
    const XmlTags::Tag& tag = m_tags[index];
    const char* const text = m_tags.text().data();
    return tag.end != XmlTags::kNoEnd && tag.end - tag.start == name.size() + 2 &&
           text[tag.start + 1] == '/' && nameAt(text + tag.start + 2, name);
}

std::size_t XmlParser::closeWithin(std::size_t index) const {
    // A close tag that runs past the span cannot be this element's.
    return m_tags[index].end < m_spanStart + m_span.size() ? index : kNoTag;
}

std::size_t XmlParser::tagAfter(std::size_t index, std::size_t end) const {
    // Only a tag written inside another one starts before that one's ">".
    while (index < m_endTag && m_tags[index].start <= end) {
        ++index;
    }
    return index;
}

// The first close tag of the name after the tag end, passing over one more close tag for each
// open tag of the same name (without attribute text) that stands before it.
std::size_t XmlParser::findClose(std::string_view name, std::size_t firstTag) const {
    const char* const text = m_tags.text().data();
    const std::size_t spanEnd = m_spanStart + m_span.size();
    // The distance from "<" to ">" of "<" + name + ">" and of "</" + name + ">". Only tags of
    // these lengths are compared at all.
    const std::size_t openLength = name.size() + 1;
    const std::size_t closeLength = name.size() + 2;
    std::size_t open = 1;
    for (std::size_t index = m_tags.nextOfLength(firstTag, m_endTag, openLength, closeLength);
         index != m_endTag;
         index = m_tags.nextOfLength(index + 1, m_endTag, openLength, closeLength)) {
        const XmlTags::Tag& tag = m_tags[index];
        if (tag.end - tag.start == closeLength) {
            if (text[tag.start + 1] == '/' && nameAt(text + tag.start + 2, name)) {
                // A close tag that runs past the span ends the search: neither it nor a later one
                // can be this element's.
                if (--open == 0 || tag.end >= spanEnd) {
                    return closeWithin(index);
                }
            }
        } else if (nameAt(text + tag.start + 1, name)) {
            ++open;
        }
    }
    return kNoTag;
}

} // namespace orvex
