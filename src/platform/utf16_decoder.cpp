#include "platform/utf16_decoder.h"

#include <bit>
#include <cstdint>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lumio {

namespace {

using Byte = unsigned char;

constexpr char16_t kReplacement = u'\uFFFD';
constexpr char16_t kCr = u'\r';

bool IsSurrogate(char16_t u) {
    return (u & 0xF800) == 0xD800;
}

bool IsHighSurrogate(char16_t u) {
    return (u & 0xFC00) == 0xD800;
}

bool IsLowSurrogate(char16_t u) {
    return (u & 0xFC00) == 0xDC00;
}

template <bool kBigEndian>
char16_t UnitAt(const Byte* in) {
    return kBigEndian ? static_cast<char16_t>(in[0] << 8 | in[1])
                      : static_cast<char16_t>(in[1] << 8 | in[0]);
}

// Copies the units at the front of in[0, 2 * n) that need no thought (no surrogate and
// not `stop`) into `out`, eight at a time where it can, and returns how many there were.
// Units past the returned count may be overwritten.
template <bool kBigEndian>
std::size_t CopyPlainUnits(const Byte* in, std::size_t n, char16_t* out, char16_t stop) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i stops = _mm_set1_epi16(static_cast<short>(stop));
    const __m128i surrogateMask = _mm_set1_epi16(static_cast<short>(0xF800));
    const __m128i surrogates = _mm_set1_epi16(static_cast<short>(0xD800));
    while (i + 8 <= n) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + 2 * i));
        if constexpr (kBigEndian) {
            v = _mm_or_si128(_mm_slli_epi16(v, 8), _mm_srli_epi16(v, 8));
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), v);
        const __m128i special =
            _mm_or_si128(_mm_cmpeq_epi16(v, stops),
                         _mm_cmpeq_epi16(_mm_and_si128(v, surrogateMask), surrogates));
        const auto mask = static_cast<unsigned>(_mm_movemask_epi8(special));
        if (mask != 0) {
            return i + static_cast<std::size_t>(std::countr_zero(mask)) / 2;
        }
        i += 8;
    }
#endif
    for (; i < n; ++i) {
        const char16_t u = UnitAt<kBigEndian>(in + 2 * i);
        if (u == stop || IsSurrogate(u)) {
            break;
        }
        out[i] = u;
    }
    return i;
}

template <bool kBigEndian>
class Utf16Decoder final : public TextDecoder {
public:
    Utf16Decoder()
        : TextDecoder(kBigEndian ? LineBytes{{"\0\n", 2}, {"\0 ", 2}, {"\x30\0", 2}}
                                 : LineBytes{{"\n\0", 2}, {" \0", 2}, {"\0\x30", 2}}) {}

    DecodeProgress Decode(std::string_view bytes, char16_t* out, bool last,
                          bool stopAtCr) const override {
        // Without a stop, look for a surrogate instead, which is looked at anyway.
        const char16_t stop = stopAtCr ? kCr : char16_t{0xD800};
        const auto* const begin = reinterpret_cast<const Byte*>(bytes.data());
        const Byte* const end = begin + bytes.size();
        const Byte* in = begin;
        char16_t* o = out;
        bool lineEnd = false;
        while (end - in >= 2) {
            const std::size_t n =
                CopyPlainUnits<kBigEndian>(in, static_cast<std::size_t>(end - in) / 2, o, stop);
            in += 2 * n;
            o += n;
            if (end - in < 2) {
                break;
            }
            const char16_t u = UnitAt<kBigEndian>(in);
            if (stopAtCr && u == kCr) {
                in += 2;
                lineEnd = true;
                break;
            }
            const std::size_t used = One(in, end, last, *o, o[1]);
            if (used == 0) {
                break;
            }
            o += used == 4 ? 2 : 1;
            in += used;
        }
        if (!lineEnd && end - in == 1 && last) {
            *o++ = kReplacement; // an odd byte at the end
            ++in;
        }
        return {static_cast<std::size_t>(in - begin), static_cast<std::size_t>(o - out), lineEnd};
    }

private:
    // The character of at least two bytes at `in`, into `first` (and `second` for a
    // pair): returns the bytes it takes (2, or 4 for a pair), 0 when a high surrogate may
    // still get its low one with the next bytes.
    static std::size_t One(const Byte* in, const Byte* end, bool last, char16_t& first,
                           char16_t& second) {
        const char16_t u = UnitAt<kBigEndian>(in);
        if (!IsSurrogate(u)) {
            first = u;
            return 2;
        }
        if (IsHighSurrogate(u)) {
            if (end - in < 4) {
                if (!last) {
                    return 0;
                }
            } else if (const char16_t next = UnitAt<kBigEndian>(in + 2); IsLowSurrogate(next)) {
                first = u;
                second = next;
                return 4;
            }
        }
        first = kReplacement; // a lone surrogate
        return 2;
    }
};

} // namespace

const TextDecoder& Utf16LeTextDecoder() {
    static const Utf16Decoder<false> decoder;
    return decoder;
}

const TextDecoder& Utf16BeTextDecoder() {
    static const Utf16Decoder<true> decoder;
    return decoder;
}

} // namespace lumio
