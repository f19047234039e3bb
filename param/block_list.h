#pragma once

#include <bit>
#include <cstddef>
#include <memory>
#include <type_traits>
#include <utility>
#include <vector>

namespace orvex {

// A list of plain records kept in blocks of one fixed size that never move. Growing it copies
// nothing, and freed blocks, all of one size below what the allocator maps from the system, are
// handed out again to the next list: a list grown by doubling took fresh memory, and a page
// fault for every page of it, on every save.
template <typename Record> class BlockList {
    static_assert(std::is_trivially_copyable_v<Record> && std::is_trivially_destructible_v<Record>);

public:
    BlockList() = default;
    BlockList(const BlockList& other) { *this = other; }
    BlockList& operator=(const BlockList& other) {
        if (this != &other) {
            clear();
            for (std::size_t i = 0; i < other.size(); ++i) {
                push_back(other[i]);
            }
        }
        return *this;
    }
    // A list moved from is empty.
    BlockList(BlockList&& other) noexcept
        : m_blocks(std::move(other.m_blocks)), m_size(std::exchange(other.m_size, 0)) {
        other.m_blocks.clear();
    }
    BlockList& operator=(BlockList&& other) noexcept {
        m_blocks = std::move(other.m_blocks);
        m_size = std::exchange(other.m_size, 0);
        other.m_blocks.clear();
        return *this;
    }
    ~BlockList() = default;

    Record& operator[](std::size_t index) { return m_blocks[index / kBlock][index % kBlock]; }
    const Record& operator[](std::size_t index) const {
        return m_blocks[index / kBlock][index % kBlock];
    }
    std::size_t size() const { return m_size; }

    void push_back(const Record& record) {
        if (m_size == m_blocks.size() * kBlock) {
            m_blocks.push_back(std::make_unique_for_overwrite<Record[]>(kBlock));
        }
        (*this)[m_size++] = record;
    }
    // Keeps the blocks for the records to come.
    void clear() { m_size = 0; }

private:
    // Blocks of at most 64 KiB, well below the size the allocator maps from the system; a power
    // of two, so that finding a record takes a shift and a mask.
    static constexpr std::size_t kBlock = std::bit_floor(std::size_t{65536} / sizeof(Record));

    std::vector<std::unique_ptr<Record[]>> m_blocks;
    std::size_t m_size = 0;
};

} // namespace orvex
