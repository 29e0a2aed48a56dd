// Finding the next code unit that ends a run (a line break, a field's quote) in long
// decoded text, eight code units at a time where the processor allows.
#pragma once

#include <QtGlobal>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

// The first code unit in [p, end) that is at most limit, or end.
inline const char16_t *FindCodeUnitAtMost(const char16_t *p, const char16_t *end, char16_t limit)
{
#if defined(__SSE2__)
    const __m128i bound = _mm_set1_epi16(short(limit));
    const __m128i zero = _mm_setzero_si128();
    while (end - p >= 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        // Unsigned units saturate to zero exactly where they are at most the limit.
        const int mask = _mm_movemask_epi8(_mm_cmpeq_epi16(_mm_subs_epu16(units, bound), zero));
        if (mask)
            return p + (qCountTrailingZeroBits(uint(mask)) >> 1);
        p += 8;
    }
#endif
    while (p < end && *p > limit)
        ++p;
    return p;
}

// The first code unit in [p, end) equal to one of a or b, or end.
inline const char16_t *FindCodeUnitOf(const char16_t *p, const char16_t *end, char16_t a,
                                      char16_t b)
{
#if defined(__SSE2__)
    const __m128i first = _mm_set1_epi16(short(a));
    const __m128i second = _mm_set1_epi16(short(b));
    while (end - p >= 8) {
        const __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
        const int mask = _mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi16(units, first), _mm_cmpeq_epi16(units, second)));
        if (mask)
            return p + (qCountTrailingZeroBits(uint(mask)) >> 1);
        p += 8;
    }
#endif
    while (p < end && *p != a && *p != b)
        ++p;
    return p;
}
