#include "param/xml_tags.h"

#include <algorithm>
#include <bit>
#include <cassert>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace orvex {

namespace {

constexpr std::size_t kBlock = 16;

// The number of "<" in the text, so that the list is allocated once and filled without checks.
std::size_t countOpens(std::string_view text) {
    // Blocks small enough for a narrow sum, which vector code adds up sixteen at a time, and a
    // multiple of sixteen, so that no block ends in a byte-by-byte tail.
    constexpr std::size_t kSumBlock = 240;
    std::size_t count = 0;
    while (!text.empty()) {
        const std::string_view block = text.substr(0, kSumBlock);
        unsigned char blockCount = 0;
        for (const char byte : block) {
            blockCount = static_cast<unsigned char>(blockCount + (byte == '<' ? 1 : 0));
        }
        count += blockCount;
        text.remove_prefix(block.size());
    }
    return count;
}

// The "<" and ">" of the sixteen bytes from at on (fewer at the end of the text) as bit masks, the
// first byte in the lowest bit.
struct Brackets {
    std::uint32_t opens = 0;
    std::uint32_t closes = 0;
};

Brackets bracketsAt(std::string_view text, std::size_t at) {
    const char* const bytes = text.data() + at;
    Brackets found;
#if defined(__SSE2__)
    if (at + kBlock <= text.size()) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes));
        found.opens = static_cast<std::uint32_t>(
            _mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8('<'))));
        found.closes = static_cast<std::uint32_t>(
            _mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8('>'))));
        return found;
    }
#endif
    for (std::size_t i = 0; i < kBlock && at + i < text.size(); ++i) {
        found.opens |= static_cast<std::uint32_t>(bytes[i] == '<') << i;
        found.closes |= static_cast<std::uint32_t>(bytes[i] == '>') << i;
    }
    return found;
}

} // namespace

XmlTags::XmlTags(std::string_view text) : XmlTags(text, countOpens(text)) {}

XmlTags::XmlTags(std::string_view text, std::size_t openCount)
    : m_text(text), m_tags(new Tag[openCount]), m_lengths(new std::uint8_t[openCount]) {
    assert(text.size() <= kMaxTextSize);
    Tag* const tags = m_tags.get();
    std::uint8_t* const lengths = m_lengths.get();
    std::size_t size = 0;
    // Tags written inside one another share their ">": the tags from this index on still wait
    // for theirs.
    std::size_t waiting = 0;
    // Sixteen bytes at a time: a search call per bracket cost more than the brackets are apart,
    // and a branch on each bracket's kind was mispredicted half the time.
    for (std::size_t at = 0; at < text.size(); at += kBlock) {
        const auto base = static_cast<std::uint32_t>(at);
        const Brackets block = bracketsAt(text, at);
        if (block.closes != 0) {
            const auto firstClose =
                base + static_cast<std::uint32_t>(std::countr_zero(block.closes));
            for (; waiting < size; ++waiting) {
                tags[waiting].end = firstClose;
                lengths[waiting] = lengthByte(firstClose - tags[waiting].start);
            }
        }
        // The opens after the block's last ">" wait for one in a later block.
        std::size_t firstWaiting = kNoEnd;
        for (std::uint32_t opens = block.opens; opens != 0; opens &= opens - 1) {
            const auto bit = static_cast<std::uint32_t>(std::countr_zero(opens));
            const std::uint32_t closesAfter = block.closes >> bit;
            if (closesAfter != 0) {
                const auto length = static_cast<std::uint32_t>(std::countr_zero(closesAfter));
                tags[size] = {base + bit, base + bit + length};
                lengths[size] = lengthByte(length);
            } else {
                firstWaiting = std::min(firstWaiting, size);
                tags[size] = {base + bit, kNoEnd};
                lengths[size] = kLongTag;
            }
            ++size;
        }
        if (block.closes != 0) {
            waiting = std::min(firstWaiting, size);
        }
    }
    m_size = size;
}

std::size_t XmlTags::searchLength(std::size_t from, std::size_t to, std::size_t a,
                                  std::size_t b) const {
    if (a >= kLongTag || b >= kLongTag) {
        for (; from < to; ++from) {
            const Tag& tag = m_tags[from];
            if (tag.end != kNoEnd && (tag.end - tag.start == a || tag.end - tag.start == b)) {
                return from;
            }
        }
        return to;
    }
    const std::uint8_t* const lengths = m_lengths.get();
#if defined(__SSE2__)
    const __m128i wantA = _mm_set1_epi8(static_cast<char>(a));
    const __m128i wantB = _mm_set1_epi8(static_cast<char>(b));
    for (; from + kBlock <= to; from += kBlock) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(lengths + from));
        const auto mask = static_cast<std::uint32_t>(_mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(block, wantA), _mm_cmpeq_epi8(block, wantB))));
        if (mask != 0) {
            return from + static_cast<std::size_t>(std::countr_zero(mask));
        }
    }
#endif
    for (; from < to; ++from) {
        if (lengths[from] == a || lengths[from] == b) {
            return from;
        }
    }
    return to;
}

std::size_t XmlTags::firstFrom(std::size_t pos) const {
    const auto found =
        std::lower_bound(m_tags.get(), m_tags.get() + m_size, pos,
                         [](const Tag& tag, std::size_t at) { return tag.start < at; });
    return static_cast<std::size_t>(found - m_tags.get());
}

} // namespace orvex
