#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace orvex {

// Copies and comparisons of the few bytes of a tag name or a value. A library call for each cost
// more than the work: up to sixteen bytes are handled as two overlapping words, and no byte
// outside the given ranges is read or written.

// The first and the last word of size bytes, which overlap when size is less than two words.
template <typename Word> struct Ends {
    Word head;
    Word tail;

    Ends(const char* bytes, std::size_t size) {
        std::memcpy(&head, bytes, sizeof(Word));
        std::memcpy(&tail, bytes + size - sizeof(Word), sizeof(Word));
    }
    void store(char* bytes, std::size_t size) const {
        std::memcpy(bytes, &head, sizeof(Word));
        std::memcpy(bytes + size - sizeof(Word), &tail, sizeof(Word));
    }
    bool operator==(const Ends& other) const {
        return ((head ^ other.head) | (tail ^ other.tail)) == 0;
    }
};

inline void copyShort(char* to, const char* from, std::size_t size) {
    if (size >= 8 && size <= 16) {
        Ends<std::uint64_t>(from, size).store(to, size);
    } else if (size >= 4 && size < 8) {
        Ends<std::uint32_t>(from, size).store(to, size);
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
        return Ends<std::uint64_t>(a, size) == Ends<std::uint64_t>(b, size);
    }
    if (size >= 4 && size < 8) {
        return Ends<std::uint32_t>(a, size) == Ends<std::uint32_t>(b, size);
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
