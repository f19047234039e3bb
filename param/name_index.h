#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

namespace orvex {

// The first position of each name in a list that only grows at its end (or is emptied), kept once
// the list is long, so that a node with thousands of entries or children costs no more per lookup
// than a small one. Short lists, the usual case, carry nothing but a null pointer.
class NameIndex {
public:
    static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

    NameIndex() = default;
    NameIndex(const NameIndex& other)
        : m_first(other.m_first ? std::make_unique<Map>(*other.m_first) : nullptr) {}
    NameIndex& operator=(const NameIndex& other) {
        m_first = other.m_first ? std::make_unique<Map>(*other.m_first) : nullptr;
        return *this;
    }
    NameIndex(NameIndex&&) noexcept = default;
    NameIndex& operator=(NameIndex&&) noexcept = default;
    ~NameIndex() = default;

    // While inactive the list is short, and scanning it is the faster search.
    bool active() const { return m_first != nullptr; }

    // Position of the first name equal to name, or kNotFound; only while active.
    std::size_t find(std::string_view name) const {
        const auto found = m_first->find(name);
        return found == m_first->end() ? kNotFound : found->second;
    }

    // Call after the list has grown to count names; nameAt(i) gives the name at position i.
    template <typename NameAt> void added(std::size_t count, NameAt nameAt) {
        if (count < kHashedFrom) {
            return;
        }
        std::size_t from = count - 1;
        if (!m_first) {
            m_first = std::make_unique<Map>();
            from = 0;
        }
        for (std::size_t i = from; i < count; ++i) {
            m_first->try_emplace(std::string(nameAt(i)), i);
        }
    }

    void clear() { m_first.reset(); }

private:
    static constexpr std::size_t kHashedFrom = 16;

    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };
    using Map = std::unordered_map<std::string, std::size_t, Hash, std::equal_to<>>;

    std::unique_ptr<Map> m_first;
};

} // namespace orvex
