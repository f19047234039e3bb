#pragma once

#include "param/short_bytes.h"

#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string_view>
#include <utility>

namespace orvex {

// Texts kept end to end in one block, each named by where it starts and how long it is. Adding
// a text costs a copy of its bytes and nothing else most of the time; a string's append, with
// its checks, cost more than copying the few bytes of a name or a value.
class TextPool {
public:
    struct Ref {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };

    TextPool() = default;
    TextPool(const TextPool& other);
    TextPool& operator=(const TextPool& other);
    // A pool moved from is empty.
    TextPool(TextPool&& other) noexcept
        : m_bytes(std::move(other.m_bytes)), m_size(std::exchange(other.m_size, 0)),
          m_capacity(std::exchange(other.m_capacity, 0)) {}
    TextPool& operator=(TextPool&& other) noexcept {
        m_bytes = std::move(other.m_bytes);
        m_size = std::exchange(other.m_size, 0);
        m_capacity = std::exchange(other.m_capacity, 0);
        return *this;
    }
    ~TextPool() = default;

    std::string_view text(Ref ref) const { return {m_bytes.get() + ref.offset, ref.length}; }

    // Makes room for this many more bytes. Throws std::length_error past 4 GiB in all.
    void reserveMore(std::size_t count) {
        if (count > m_capacity - m_size) {
            grow(count);
        }
    }
    // Adds a text that reserveMore made room for and that is not one of the pool's own.
    Ref addReserved(std::string_view text) {
        const Ref ref{m_size, static_cast<std::uint32_t>(text.size())};
        copyShort(m_bytes.get() + m_size, text.data(), text.size());
        m_size += ref.length;
        return ref;
    }
    // Whether the text lies in the pool.
    bool holds(std::string_view text) const {
        const std::less<const char*> before;
        return m_size != 0 && !before(text.data(), m_bytes.get()) &&
               before(text.data(), m_bytes.get() + m_size);
    }
    // Writes the text over the referenced one, which must be at least as long.
    void overwrite(Ref& ref, std::string_view text);
    void clear() { m_size = 0; }

private:
    void grow(std::size_t count);

    std::unique_ptr<char[]> m_bytes;
    std::uint32_t m_size = 0;
    std::uint32_t m_capacity = 0;
};

} // namespace orvex
