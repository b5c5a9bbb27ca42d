#include "platform/cp936.h"

#include "platform/cp936_table.h"

#include <bit>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace lumio {

namespace {

using Byte = unsigned char;

bool IsLead(Byte b) {
    return b >= kCp936FirstLead && b <= kCp936LastLead;
}

// Widens the ASCII bytes at the front of in[0, n) into `out` and returns how many there
// were. Novels are mostly double-byte but English text is nearly all ASCII, which is
// worth doing sixteen bytes at a time. `out` must have room for n units; units past
// the returned count may be overwritten.
std::size_t WidenAscii(const Byte* in, std::size_t n, char16_t* out) {
    std::size_t i = 0;
#if defined(__SSE2__)
    const __m128i zero = _mm_setzero_si128();
    while (i + 16 <= n) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_unpacklo_epi8(v, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 8), _mm_unpackhi_epi8(v, zero));
        const auto high = static_cast<unsigned>(_mm_movemask_epi8(v));
        if (high != 0) {
            return i + static_cast<std::size_t>(std::countr_zero(high));
        }
        i += 16;
    }
#endif
    while (i < n && in[i] < 0x80) {
        out[i] = in[i];
        ++i;
    }
    return i;
}

} // namespace

Cp936Progress DecodeCp936Into(std::string_view bytes, char16_t* out, bool last) {
    const auto* const begin = reinterpret_cast<const Byte*>(bytes.data());
    const Byte* const end = begin + bytes.size();
    const Byte* in = begin;
    char16_t* o = out;
    while (in < end) {
        const Byte b = *in;
        if (b < 0x80) {
            const std::size_t n = WidenAscii(in, static_cast<std::size_t>(end - in), o);
            in += n;
            o += n;
            continue;
        }
        if (IsLead(b)) {
            if (in + 1 == end && !last) {
                break; // the trail may come with the next bytes
            }
            if (in + 1 < end) {
                const char16_t c = kCp936DoubleByte[b - kCp936FirstLead][in[1]];
                if (c != kCp936NoCharacter) {
                    *o++ = c;
                    in += 2;
                    continue;
                }
            }
        }
        *o++ = kCp936SingleByte[b];
        ++in;
    }
    return {static_cast<std::size_t>(in - begin), static_cast<std::size_t>(o - out)};
}

std::size_t Cp936Decoder::Decode(std::string_view bytes, std::u16string& out, bool last) {
    const std::size_t start = out.size();
    out.resize(start + bytes.size());
    const Cp936Progress progress = DecodeCp936Into(bytes, out.data() + start, last);
    out.resize(start + progress.written);
    return progress.used;
}

std::u16string DecodeCp936(std::string_view bytes) {
    std::u16string out;
    Cp936Decoder().Decode(bytes, out, true);
    return out;
}

} // namespace lumio
