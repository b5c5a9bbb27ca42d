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

// Widens the ASCII bytes at the front of in[0, n) up to the byte `stop` into `out` and
// returns how many there were. Novels are mostly double-byte but English text is nearly
// all ASCII, which is worth doing sixteen bytes at a time. `out` must have room for n
// units; units past the returned count may be overwritten.
std::size_t WidenAscii(const Byte* in, std::size_t n, char16_t* out, Byte stop) {
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

// The character at `in` (before `end`) into `c`: the bytes it takes, 0 for a lead byte
// at the end that may still get its trail.
std::size_t DecodeAt(const Byte* in, const Byte* end, bool last, char16_t& c) {
    const Byte b = *in;
    if (IsLead(b)) {
        if (in + 1 == end) {
            if (!last) {
                return 0;
            }
        } else {
            c = kCp936DoubleByte[b - kCp936FirstLead][in[1]];
            if (c != kCp936NoCharacter) {
                return 2;
            }
        }
    }
    c = kCp936SingleByte[b];
    return 1;
}

} // namespace

Cp936Progress DecodeCp936Into(std::string_view bytes, char16_t* out, bool last, int stop) {
    // No stop byte: 0x80 never ends an ASCII run early, it is no ASCII.
    const Byte stopByte = stop >= 0 && stop < 0x80 ? static_cast<Byte>(stop) : Byte{0x80};
    const auto* const begin = reinterpret_cast<const Byte*>(bytes.data());
    const Byte* const end = begin + bytes.size();
    const Byte* in = begin;
    char16_t* o = out;
    while (in < end) {
        if (*in < 0x80) {
            if (*in == stopByte) {
                break;
            }
            const std::size_t n = WidenAscii(in, static_cast<std::size_t>(end - in), o, stopByte);
            in += n;
            o += n;
            continue;
        }
        const std::size_t n = DecodeAt(in, end, last, *o);
        if (n == 0) {
            break; // the trail may come with the next bytes
        }
        in += n;
        ++o;
    }
    return {static_cast<std::size_t>(in - begin), static_cast<std::size_t>(o - out)};
}

std::size_t DecodeFirstCp936(std::string_view bytes, bool last, char16_t& c) {
    if (bytes.empty()) {
        return 0;
    }
    const auto* const begin = reinterpret_cast<const Byte*>(bytes.data());
    return DecodeAt(begin, begin + bytes.size(), last, c);
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
