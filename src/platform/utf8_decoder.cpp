#include "platform/utf8_decoder.h"

#include "platform/ascii_widening.h"

#include <array>
#include <cstdint>

namespace lumio {

namespace {

using Byte = unsigned char;

constexpr char32_t kReplacement = 0xFFFD;

// What a lead byte starts: the sequence's length (0: none, the byte is ill-formed on its
// own), the bits it carries and the range its second byte must lie in (Unicode's table
// of well-formed sequences; the later bytes are always 80-BF).
struct Lead {
    std::uint8_t length = 0;
    std::uint8_t bits = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
};

constexpr std::array<Lead, 256> MakeLeads() {
    std::array<Lead, 256> leads{};
    for (int b = 0; b < 0x80; ++b) {
        leads[b] = {1, 0x7F};
    }
    for (int b = 0xC2; b <= 0xDF; ++b) {
        leads[b] = {2, 0x1F};
    }
    for (int b = 0xE0; b <= 0xEF; ++b) {
        leads[b] = {3, 0x0F};
    }
    for (int b = 0xF0; b <= 0xF4; ++b) {
        leads[b] = {4, 0x07};
    }
    leads[0xE0].low = 0xA0;  // no overlong forms
    leads[0xED].high = 0x9F; // no surrogates
    leads[0xF0].low = 0x90;  // no overlong forms
    leads[0xF4].high = 0x8F; // nothing past U+10FFFF
    return leads;
}

constexpr std::array<Lead, 256> kLeads = MakeLeads();

inline Utf8Sequence Read(const Byte* in, const Byte* end, bool last) {
    const Lead lead = kLeads[*in];
    if (lead.length <= 1) {
        return {1, lead.length == 1, *in};
    }
    char32_t c = *in & lead.bits;
    for (std::size_t k = 1; k < lead.length; ++k) {
        if (in + k == end) {
            // Cut off: the bytes so far are a maximal subpart only if nothing follows.
            return last ? Utf8Sequence{k, false, 0} : Utf8Sequence{};
        }
        const Byte b = in[k];
        const bool fits = k == 1 ? b >= lead.low && b <= lead.high : (b & 0xC0) == 0x80;
        if (!fits) {
            return {k, false, 0};
        }
        c = c << 6 | (b & 0x3F);
    }
    return {lead.length, true, c};
}

class Utf8Decoder final : public TextDecoder {
public:
    Utf8Decoder() : TextDecoder({"\n", " ", "\xE3\x80\x80"}) {}

    DecodeProgress Decode(std::string_view bytes, char16_t* out, bool last,
                          bool stopAtCr) const override {
        const Byte stop = stopAtCr ? '\r' : 0x80;
        const auto* const begin = reinterpret_cast<const Byte*>(bytes.data());
        const Byte* const end = begin + bytes.size();
        const Byte* in = begin;
        char16_t* o = out;
        bool lineEnd = false;
        while (in < end) {
            if (*in < 0x80) {
                // Byte 0x0D is CR and nothing else: it is never inside a sequence.
                if (*in == stop) {
                    ++in;
                    lineEnd = true;
                    break;
                }
                const std::size_t n = WidenAscii(in, static_cast<std::size_t>(end - in), o, stop);
                in += n;
                o += n;
                continue;
            }
            // Chinese text is mostly three-byte characters: those in one go.
            if (end - in >= 3) {
                const Lead lead = kLeads[*in];
                const Byte b1 = in[1];
                const Byte b2 = in[2];
                if (lead.length == 3 && b1 >= lead.low && b1 <= lead.high && (b2 & 0xC0) == 0x80) {
                    *o++ =
                        static_cast<char16_t>((*in & 0x0F) << 12 | (b1 & 0x3F) << 6 | (b2 & 0x3F));
                    in += 3;
                    continue;
                }
            }
            const Utf8Sequence s = Read(in, end, last);
            if (s.length == 0) {
                break; // the rest of the character may come with the next bytes
            }
            in += s.length;
            o += PutUtf16(s.valid ? s.c : kReplacement, o);
        }
        return {static_cast<std::size_t>(in - begin), static_cast<std::size_t>(o - out), lineEnd};
    }
};

} // namespace

const TextDecoder& Utf8TextDecoder() {
    static const Utf8Decoder decoder;
    return decoder;
}

Utf8Sequence ReadUtf8Sequence(const Byte* in, const Byte* end, bool last) {
    return Read(in, end, last);
}

} // namespace lumio
