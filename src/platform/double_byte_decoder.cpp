#include "platform/double_byte_decoder.h"

#include "platform/ascii_widening.h"

namespace lumio {

namespace {

using Byte = unsigned char;

constexpr Byte kCr = '\r';
constexpr Byte kNoStop = 0x80; // no ASCII byte is 0x80: nothing stops an ASCII run early

} // namespace

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
    // The table in locals, so that the loop over pairs keeps it in registers.
    const char16_t(*const pairs)[256] = tables_.pairs;
    const unsigned firstLead = static_cast<unsigned>(tables_.firstLead);
    const unsigned leadSpan = static_cast<unsigned>(tables_.lastLead - tables_.firstLead);
    const Byte* in = begin;
    char16_t* o = out;
    bool lineEnd = false;
    while (in < end) {
        const Byte b = *in;
        if (b < 0x80) {
            // Byte 0x0D is CR and nothing else: it is never the trail of a pair.
            if (b == stop) {
                ++in;
                lineEnd = true;
                break;
            }
            const std::size_t n = WidenAscii(in, static_cast<std::size_t>(end - in), o, stop);
            in += n;
            o += n;
            continue;
        }
        // The common case, a pair in the table; everything else out of line.
        if (b - firstLead <= leadSpan && in + 1 != end) {
            const char16_t c = pairs[b - firstLead][in[1]];
            if (c != 0) {
                *o++ = c;
                in += 2;
                continue;
            }
        }
        const Step step = DecodeUntabled(in, end, last, o);
        if (step.bytes == 0) {
            break; // the rest of the character may come with the next bytes
        }
        in += step.bytes;
        o += step.units;
    }
    return {static_cast<std::size_t>(in - begin), static_cast<std::size_t>(o - out), lineEnd};
}

std::size_t DoubleByteDecoder::DecodeFirst(std::string_view bytes, bool last, char32_t& c) const {
    if (bytes.empty()) {
        return 0;
    }
    const auto* const begin = reinterpret_cast<const Byte*>(bytes.data());
    char16_t units[2] = {};
    const Step step = DecodeAt(begin, begin + bytes.size(), last, units);
    c = step.units == 2 ? 0x10000 + ((char32_t(units[0]) - 0xD800) << 10) + (units[1] - 0xDC00)
                        : units[0];
    return step.bytes;
}

} // namespace lumio
