// Finds the next CR or LF byte in a stretch of text: what memchr is to one byte, for two. Lines
// of navigation data are short and a search runs for every one of them, so it looks at sixteen
// bytes at a time where the processor has SSE2 (every x86 build), and at eight bytes in a word
// elsewhere.
#pragma once

#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vantrel {

namespace line_end_detail {

inline const char* FindCrOrLfBytewise(const char* at, const char* end) {
    for (; at != end; ++at) {
        if (*at == '\r' || *at == '\n') {
            return at;
        }
    }
    return end;
}

constexpr std::uint64_t kOnes = 0x0101010101010101;
constexpr std::uint64_t kHighBits = kOnes * 0x80;
constexpr std::uint64_t kLowBits = kOnes * 0x7f;

// Nonzero when a byte of the word is below `limit` (at most 128).
constexpr std::uint64_t HasByteBelow(std::uint64_t word, unsigned limit) {
    return (word - kOnes * limit) & ~word & kHighBits;
}

// The high bit of each byte of the word that equals `byte`, and no other bit.
constexpr std::uint64_t BytesEqualTo(std::uint64_t word, unsigned char byte) {
    const std::uint64_t x = word ^ (kOnes * byte);
    return ~(((x & kLowBits) + kLowBits) | x | kLowBits);
}

// Eight bytes at a time in a 64-bit word; most words hold no byte below 14 (CR and LF are 13 and
// 10), which one subtraction tells.
inline const char* FindCrOrLfInWords(const char* at, const char* end) {
    static_assert(std::endian::native == std::endian::little,
                  "the first byte of a loaded word is its lowest");
    for (; end - at >= 8; at += 8) {
        std::uint64_t word;
        std::memcpy(&word, at, sizeof word);
        if (HasByteBelow(word, '\r' + 1)) {
            const std::uint64_t ends = BytesEqualTo(word, '\r') | BytesEqualTo(word, '\n');
            if (ends) {
                return at + std::countr_zero(ends) / 8;
            }
        }
    }
    return FindCrOrLfBytewise(at, end);
}

#if defined(__SSE2__)
inline const char* FindCrOrLfSse2(const char* at, const char* end) {
    const __m128i carriageReturns = _mm_set1_epi8('\r');
    const __m128i lineFeeds = _mm_set1_epi8('\n');
    for (; end - at >= 16; at += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
        const int ends = _mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(bytes, carriageReturns), _mm_cmpeq_epi8(bytes, lineFeeds)));
        if (ends) {
            return at + std::countr_zero(static_cast<unsigned>(ends));
        }
    }
    return FindCrOrLfBytewise(at, end);
}
#endif

}  // namespace line_end_detail

// The first CR or LF in [start, end), or `end` when there is none.
inline const char* FindCrOrLf(const char* start, const char* end) {
#if defined(__SSE2__)
    return line_end_detail::FindCrOrLfSse2(start, end);
#else
    return line_end_detail::FindCrOrLfInWords(start, end);
#endif
}

}  // namespace vantrel
