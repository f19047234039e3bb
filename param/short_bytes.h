#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace orvex {

// Copies and comparisons of the few bytes of a tag name or a value. A library call for each cost
// more than the work: up to sixteen bytes are handled as two overlapping words, and no byte
// outside the given ranges is read or written.

inline void copyShort(char* to, const char* from, std::size_t size) {
    if (size >= 8 && size <= 16) {
        std::uint64_t head;
        std::uint64_t tail;
        std::memcpy(&head, from, 8);
        std::memcpy(&tail, from + size - 8, 8);
        std::memcpy(to, &head, 8);
        std::memcpy(to + size - 8, &tail, 8);
    } else if (size >= 4 && size < 8) {
        std::uint32_t head;
        std::uint32_t tail;
        std::memcpy(&head, from, 4);
        std::memcpy(&tail, from + size - 4, 4);
        std::memcpy(to, &head, 4);
        std::memcpy(to + size - 4, &tail, 4);
    } else if (size < 4) {
        for (std::size_t i = 0; i < size; ++i) {
            to[i] = from[i];
        }
    } else {
        std::memcpy(to, from, size);
    }
}

inline bool equalShort(const char* a, const char* b, std::size_t size) {
    if (size >= 8 && size <= 16) {
        std::uint64_t headA;
        std::uint64_t headB;
        std::uint64_t tailA;
        std::uint64_t tailB;
        std::memcpy(&headA, a, 8);
        std::memcpy(&headB, b, 8);
        std::memcpy(&tailA, a + size - 8, 8);
        std::memcpy(&tailB, b + size - 8, 8);
        return ((headA ^ headB) | (tailA ^ tailB)) == 0;
    }
    if (size >= 4 && size < 8) {
        std::uint32_t headA;
        std::uint32_t headB;
        std::uint32_t tailA;
        std::uint32_t tailB;
        std::memcpy(&headA, a, 4);
        std::memcpy(&headB, b, 4);
        std::memcpy(&tailA, a + size - 4, 4);
        std::memcpy(&tailB, b + size - 4, 4);
        return ((headA ^ headB) | (tailA ^ tailB)) == 0;
    }
    if (size < 4) {
        for (std::size_t i = 0; i < size; ++i) {
            if (a[i] != b[i]) {
                return false;
            }
        }
        return true;
    }
    return std::memcmp(a, b, size) == 0;
}

} // namespace orvex
