#include "platform/double_byte_decoder.h"

#include "platform/ascii_widening.h"

namespace lumio {

namespace {

using Byte = unsigned char;

constexpr Byte kCr = '\r';
constexpr Byte kNoStop = 0x80; // no ASCII byte is 0x80: nothing stops an ASCII run early

} // namespace

DoubleByteDecoder::DoubleByteDecoder(const DoubleByteTables& tables, UntabledSequence untabled)
    : TextDecoder({"\n", " ", {}}), tables_(tables), untabled_(untabled) {
    // The tables' own pair for U+3000 (A1 A1 in code page 936, A1 40 in Big5).
    for (int lead = tables.firstLead; lead <= tables.lastLead; ++lead) {
        for (int trail = 0; trail < 256; ++trail) {
            if (tables.pairs[lead - tables.firstLead][trail] == u'\u3000' &&
                ideographicSpace_[0] == 0) {
                ideographicSpace_[0] = static_cast<char>(lead);
                ideographicSpace_[1] = static_cast<char>(trail);
            }
        }
    }
    SetLineBytes({"\n", " ", {ideographicSpace_, ideographicSpace_[0] != 0 ? 2u : 0u}});
}

// The common case, a pair in the table, is decided here; everything else below.
inline DoubleByteDecoder::Step DoubleByteDecoder::DecodeAt(const Byte* in, const Byte* end,
                                                           bool last, char16_t* out) const {
    const Byte b = *in;
    if (b >= tables_.firstLead && b <= tables_.lastLead && in + 1 != end) {
        const char16_t c = tables_.pairs[b - tables_.firstLead][in[1]];
        if (c != 0) {
            *out = c;
            return {2, 1};
        }
    }
    return DecodeUntabled(in, end, last, out);
}

DoubleByteDecoder::Step DoubleByteDecoder::DecodeUntabled(const Byte* in, const Byte* end,
                                                          bool last, char16_t* out) const {
    const Byte b = *in;
    if (b >= tables_.firstLead && b <= tables_.lastLead) {
        if (in + 1 == end) {
            if (!last) {
                return {0, 0}; // the trail may come with the next bytes
            }
        } else if (untabled_ != nullptr) {
            char32_t c = 0;
            const int n = untabled_(in, end, last, c);
            if (n == kWaitForMore) {
                return {0, 0};
            }
            if (n > 0) {
                return {static_cast<std::size_t>(n), PutUtf16(c, out)};
            }
        }
    }
    *out = tables_.single[b];
    return {1, 1};
}

DecodeProgress DoubleByteDecoder::Decode(std::string_view bytes, char16_t* out, bool last,
                                         bool stopAtCr) const {
    const Byte stop = stopAtCr ? kCr : kNoStop;
    const auto* const begin = reinterpret_cast<const Byte*>(bytes.data());
    const Byte* const end = begin + bytes.size();
    const Byte* in = begin;
    char16_t* o = out;
    bool lineEnd = false;
    while (in < end) {
        if (*in < 0x80) {
            // Byte 0x0D is CR and nothing else: it is never the trail of a pair.
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
        const Step step = DecodeAt(in, end, last, o);
        if (step.bytes == 0) {
            break;
        }
        in += step.bytes;
        o += step.units;
    }
    return {static_cast<std::size_t>(in - begin), static_cast<std::size_t>(o - out), lineEnd};
}

} // namespace lumio
