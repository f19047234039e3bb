#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace orvex {

// The first id given for each name of a long list, so that a node with thousands of entries or
// children costs no more per lookup than a small one.
class NameIndex {
public:
    static constexpr std::uint32_t kNotFound = static_cast<std::uint32_t>(-1);

    std::uint32_t find(std::string_view name) const {
        const auto found = m_first.find(name);
        return found == m_first.end() ? kNotFound : found->second;
    }

    // A name given again keeps its first id.
    void add(std::string_view name, std::uint32_t id) {
        m_first.try_emplace(std::string(name), id);
    }

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const {
            return std::hash<std::string_view>{}(text);
        }
    };

    std::unordered_map<std::string, std::uint32_t, Hash, std::equal_to<>> m_first;
};

} // namespace orvex
