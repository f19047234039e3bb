#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace orvex {

// Where each "<" of a text stands and where the first ">" after it is, found in one pass. The
// reader looks for its close tags by walking this list instead of searching the bytes again on
// every nesting level, which keeps a read linear in the text's size.
class XmlTags {
public:
    static constexpr std::size_t kNoEnd = static_cast<std::size_t>(-1);

    struct Tag {
        std::size_t start; // the "<"
        std::size_t end;   // the first ">" at or after it, or kNoEnd
    };

    explicit XmlTags(std::string_view text);

    std::string_view text() const { return m_text; }
    std::size_t size() const { return m_tags.size(); }
    const Tag& operator[](std::size_t index) const { return m_tags[index]; }
    const Tag* data() const { return m_tags.data(); }
    // The index of the first tag starting at or after pos; size() when there is none.
    std::size_t firstFrom(std::size_t pos) const;

private:
    std::string_view m_text;
    std::vector<Tag> m_tags;
};

} // namespace orvex
