#include "param/text_pool.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace orvex {

TextPool::TextPool(const TextPool& other)
    : m_bytes(other.m_size == 0 ? nullptr : new char[other.m_size]), m_size(other.m_size),
      m_capacity(other.m_size) {
    if (m_size != 0) {
        std::memcpy(m_bytes.get(), other.m_bytes.get(), m_size);
    }
}

TextPool& TextPool::operator=(const TextPool& other) {
    if (this != &other) {
        TextPool copy(other);
        *this = std::move(copy);
    }
    return *this;
}

void TextPool::grow(std::size_t count) {
    constexpr std::size_t kMaxSize = std::numeric_limits<std::uint32_t>::max();
    if (count > kMaxSize - m_size) {
        throw std::length_error("A parameter tree holds at most 4 GiB of text.");
    }
    const std::size_t needed = m_size + count;
    const std::size_t capacity = std::min(kMaxSize, std::max(needed, 2 * std::size_t{m_capacity}));
    std::unique_ptr<char[]> bytes(new char[capacity]);
    if (m_size != 0) {
        std::memcpy(bytes.get(), m_bytes.get(), m_size);
    }
    m_bytes = std::move(bytes);
    m_capacity = static_cast<std::uint32_t>(capacity);
}

void TextPool::overwrite(Ref& ref, std::string_view text) {
    if (!text.empty()) {
        // The text may be one of the pool's own and overlap the place it goes to.
        std::memmove(m_bytes.get() + ref.offset, text.data(), text.size());
    }
    ref.length = static_cast<std::uint32_t>(text.size());
}

} // namespace orvex
