#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

namespace orvex {

// Where each "<" of a text stands and where the first ">" after it is, found in one pass. The
// reader looks for its close tags by walking this list instead of searching the bytes again on
// every nesting level, which keeps a read linear in the text's size.
class XmlTags {
public:
    static constexpr std::uint32_t kNoEnd = static_cast<std::uint32_t>(-1);
    // Positions are kept in 32 bits, which halves the list the reader walks once per level.
    static constexpr std::size_t kMaxTextSize = kNoEnd - 1;

    struct Tag {
        std::uint32_t start; // the "<"
        std::uint32_t end;   // the first ">" at or after it, or kNoEnd
    };

    // The text may hold at most kMaxTextSize bytes.
    explicit XmlTags(std::string_view text);

    std::string_view text() const { return m_text; }
    std::size_t size() const { return m_size; }
    const Tag& operator[](std::size_t index) const { return m_tags[index]; }
    // The index of the first tag starting at or after pos; size() when there is none.
    std::size_t firstFrom(std::size_t pos) const;
    // The index of the first tag from from up to to (not included) that has an end and whose end
    // lies a or b bytes after its start; to when there is none.
    std::size_t nextOfLength(std::size_t from, std::size_t to, std::size_t a, std::size_t b) const {
        // Most searches end at the first tag: the close tag right after a value.
        if (from < to && (m_lengths[from] == a || m_lengths[from] == b) && a < kLongTag &&
            b < kLongTag) {
            return from;
        }
        return searchLength(from, to, a, b);
    }

private:
    // The length a tag without an end, or of this length or more, is listed with.
    static constexpr std::uint8_t kLongTag = 255;
    static std::uint8_t lengthByte(std::uint32_t length) {
        return static_cast<std::uint8_t>(length < kLongTag ? length : kLongTag);
    }

    XmlTags(std::string_view text, std::size_t openCount);
    std::size_t searchLength(std::size_t from, std::size_t to, std::size_t a, std::size_t b) const;

    std::string_view m_text;
    std::size_t m_size = 0;
    // Allocated once for every "<" of the text and filled without a check per tag.
    std::unique_ptr<Tag[]> m_tags;
    // Each tag's length in a byte, so that a search for tags of one length reads an eighth of
    // the bytes the tags take, sixteen at a time.
    std::unique_ptr<std::uint8_t[]> m_lengths;
};

} // namespace orvex
