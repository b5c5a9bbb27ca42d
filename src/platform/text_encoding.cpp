#include "platform/text_encoding.h"

#include "platform/ascii.h"
#include "platform/cp936.h"
#include "platform/cp950.h"
#include "platform/gb18030.h"
#include "platform/utf16_decoder.h"
#include "platform/utf8_decoder.h"

#include <array>

namespace lumio {

namespace {

struct Encoding {
    TextEncoding encoding;
    std::string_view name;
    const TextDecoder& (*decoder)();
    std::string_view mark;
};

// GB18030's mark is U+FEFF in its own four-byte form.
const std::array<Encoding, 7> kEncodings = {{
    {TextEncoding::Auto, "auto", Cp936WidenedTextDecoder, ""},
    {TextEncoding::Gbk, "gbk", Cp936TextDecoder, ""},
    {TextEncoding::Gb18030, "gb18030", Gb18030TextDecoder, "\x84\x31\x95\x33"},
    {TextEncoding::Utf8, "utf-8", Utf8TextDecoder, "\xEF\xBB\xBF"},
    {TextEncoding::Utf16Le, "utf-16le", Utf16LeTextDecoder, "\xFF\xFE"},
    {TextEncoding::Utf16Be, "utf-16be", Utf16BeTextDecoder, "\xFE\xFF"},
    {TextEncoding::Big5, "big5", Cp950TextDecoder, ""},
}};

const Encoding& Find(TextEncoding encoding) {
    for (const Encoding& e : kEncodings) {
        if (e.encoding == encoding) {
            return e;
        }
    }
    return kEncodings[0];
}

} // namespace

std::optional<TextEncoding> EncodingNamed(std::string_view name) {
    for (const Encoding& e : kEncodings) {
        if (EqualsIgnoringAsciiCase(name, e.name)) {
            return e.encoding;
        }
    }
    return std::nullopt;
}

std::string_view EncodingName(TextEncoding encoding) {
    return Find(encoding).name;
}

std::string EncodingNames() {
    std::string names;
    for (const Encoding& e : kEncodings) {
        names += names.empty() ? "" : ", ";
        names += e.name;
    }
    return names;
}

const TextDecoder& DecoderFor(TextEncoding encoding) {
    return Find(encoding).decoder();
}

std::string_view ByteOrderMark(TextEncoding encoding) {
    return Find(encoding).mark;
}

} // namespace lumio
