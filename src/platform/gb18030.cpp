#include "platform/gb18030.h"

#include "platform/cp936_table.h"
#include "platform/double_byte_decoder.h"
#include "platform/gb18030_table.h"

#include <algorithm>
#include <cstdint>

namespace lumio {

namespace {

using Byte = unsigned char;

bool IsDigit(Byte b) {
    return b >= '0' && b <= '9';
}

bool IsLead(Byte b) {
    return b >= 0x81 && b <= 0xFE;
}

// A four-byte sequence where one may begin: a lead already known and a digit after it.
int FourByteSequence(const Byte* in, const Byte* end, bool last, char32_t& c) {
    if (!IsDigit(in[1])) {
        return 0;
    }
    const std::ptrdiff_t have = end - in;
    if (have < 4) {
        // Wait only where the bytes so far may still be the start of one.
        return !last && (have == 2 || IsLead(in[2])) ? kWaitForMore : 0;
    }
    if (!IsLead(in[2]) || !IsDigit(in[3])) {
        return 0;
    }
    c = Gb18030FourByte(in);
    return c != 0 ? 4 : 0;
}

int Gb18030Untabled(const Byte* in, const Byte* end, bool last, char32_t& c) {
    const auto bytes = static_cast<std::uint16_t>(in[0] << 8 | in[1]);
    const Gb18030Pair* const pairs = kGb18030ExtraPairs;
    const Gb18030Pair* const pairsEnd = pairs + kGb18030ExtraPairCount;
    const Gb18030Pair* const pair = std::lower_bound(
        pairs, pairsEnd, bytes, [](const Gb18030Pair& p, std::uint16_t b) { return p.bytes < b; });
    if (pair != pairsEnd && pair->bytes == bytes) {
        c = pair->character;
        return 2;
    }
    return FourByteSequence(in, end, last, c);
}

} // namespace

char32_t Gb18030FourByte(const Byte* b) {
    const std::uint32_t index =
        ((b[0] - 0x81u) * 10 + (b[1] - 0x30u)) * 1260 + (b[2] - 0x81u) * 10 + (b[3] - 0x30u);
    const Gb18030Run* const runs = kGb18030FourByteRuns;
    // The last run that starts at or before the index: the first starts at 0.
    const Gb18030Run* const run =
        std::upper_bound(runs, runs + kGb18030FourByteRunCount, index,
                         [](std::uint32_t i, const Gb18030Run& r) { return i < r.firstIndex; }) -
        1;
    return run->firstCodePoint == 0 ? 0 : run->firstCodePoint + (index - run->firstIndex);
}

const TextDecoder& Gb18030TextDecoder() {
    static const DoubleByteDecoder decoder(
        {kGb18030SingleByte, kCp936DoubleByte, kCp936FirstLead, kCp936LastLead}, Gb18030Untabled);
    return decoder;
}

const TextDecoder& Cp936WidenedTextDecoder() {
    static const DoubleByteDecoder decoder(
        {kCp936SingleByte, kCp936DoubleByte, kCp936FirstLead, kCp936LastLead}, FourByteSequence);
    return decoder;
}

} // namespace lumio
