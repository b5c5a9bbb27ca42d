#pragma once

#include <bit>
#include <cstddef>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lumio {

// Widens the ASCII bytes at the front of in[0, n) up to the byte `stop` into `out` and
// returns how many there were. Novels are mostly double-byte but English text is nearly
// all ASCII, which is worth doing sixteen bytes at a time; every encoding that keeps
// ASCII as it is shares this. `out` must have room for n units; units past the returned
// count may be overwritten. A `stop` of 0x80 or above stops nothing early.
inline std::size_t WidenAscii(const unsigned char* in, std::size_t n, char16_t* out,
                              unsigned char stop) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    const __m128i stops = _mm_set1_epi8(static_cast<char>(stop));
    while (i + 16 <= n) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(v, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), _mm_unpackhi_epi8(v, zero));
        const auto ends = static_cast<unsigned>(_mm_movemask_epi8(v) |
                                                _mm_movemask_epi8(_mm_cmpeq_epi8(v, stops)));
        if (ends != 0) {
            return i + static_cast<std::size_t>(std::countr_zero(ends));
        }
        i += 16;
    }
#endif
    while (i < n && in[i] < 0x80 && in[i] != stop) {
        out[i] = in[i];
        ++i;
    }
    return i;
}

} // namespace lumio
