// Detection and decoding against the references: the loader reads an in-memory file in
// an encoding named by the first byte (or found by itself), in reads of a size the
// second byte gives. The document must be the C library's decoding of the bytes (the
// mark dropped) in the encoding the detection rule, restated here on its own, picks,
// turned into document text; and every decoder must decode the bytes whole and in
// pieces alike.

#include "iconv_reference.h"
#include "memory_source.h"
#include "platform/encoding_detection.h"
#include "reader/document_loader.h"
#include "reader/document_text.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace lumio;

namespace {

constexpr std::array<TextEncoding, 7> kEncodings = {
    TextEncoding::Auto,    TextEncoding::Gbk,     TextEncoding::Gb18030, TextEncoding::Utf8,
    TextEncoding::Utf16Le, TextEncoding::Utf16Be, TextEncoding::Big5};

reference::IconvReference& ReferenceFor(TextEncoding encoding) {
    static const auto widened = reference::Cp936Widened();
    static const auto cp936 = reference::Cp936();
    static const auto gb18030 = reference::Gb18030();
    static const auto utf8 = reference::Utf8();
    static const auto utf16le = reference::Utf16Le();
    static const auto utf16be = reference::Utf16Be();
    static const auto cp950 = reference::Cp950();
    switch (encoding) {
    case TextEncoding::Auto:
        return *widened;
    case TextEncoding::Gbk:
        return *cp936;
    case TextEncoding::Gb18030:
        return *gb18030;
    case TextEncoding::Utf8:
        return *utf8;
    case TextEncoding::Utf16Le:
        return *utf16le;
    case TextEncoding::Utf16Be:
        return *utf16be;
    case TextEncoding::Big5:
        break;
    }
    return *cp950;
}

// The rule: a mark; else UTF-8 when, from the first byte that is not ASCII, there is a
// multi-byte character and at most one bad run per 1,000 of them, unless all of those
// characters are of two bytes and the widened GBK reading holds no U+FFFD; else widened
// GBK. (Inputs here are far shorter than the bytes detection judges.)
TextEncoding Expected(std::string_view bytes, std::size_t& markBytes) {
    const std::pair<std::string_view, TextEncoding> marks[] = {{"\xEF\xBB\xBF", TextEncoding::Utf8},
                                                               {"\xFF\xFE", TextEncoding::Utf16Le},
                                                               {"\xFE\xFF", TextEncoding::Utf16Be}};
    for (const auto& [mark, encoding] : marks) {
        if (bytes.starts_with(mark)) {
            markBytes = mark.size();
            return encoding;
        }
    }
    markBytes = 0;
    reference::IconvReference::Counts counts;
    ReferenceFor(TextEncoding::Utf8).Decode(bytes, &counts);
    const bool gbkToo =
        counts.longer == 0 &&
        ReferenceFor(TextEncoding::Auto).Decode(bytes).find(u'\uFFFD') == std::u16string::npos;
    return counts.multiByte > 0 && counts.bad * 1000 <= counts.multiByte && !gbkToo
               ? TextEncoding::Utf8
               : TextEncoding::Auto;
}

void CheckDecoder(const TextDecoder& decoder, std::string_view bytes, std::size_t piece,
                  const std::u16string& expected) {
    if (DecodeAll(decoder, bytes) != expected) {
        std::abort();
    }
    std::u16string streamed;
    std::string pending;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        pending.append(bytes.substr(at, piece));
        const std::size_t used = DecodeAppend(decoder, pending, streamed, false);
        if (used > pending.size() || pending.size() - used > 3) {
            std::abort();
        }
        pending.erase(0, used);
    }
    if (DecodeAppend(decoder, pending, streamed, true) != pending.size() || streamed != expected) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const TextEncoding named = kEncodings[data[0] % kEncodings.size()];
    const std::size_t readSize = data[1] % 64 + 1u;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);

    std::size_t markBytes = 0;
    TextEncoding encoding = named;
    if (named == TextEncoding::Auto) {
        encoding = Expected(bytes, markBytes);
    } else if (bytes.starts_with(ByteOrderMark(named)) && !ByteOrderMark(named).empty()) {
        markBytes = ByteOrderMark(named).size();
    }
    const std::string_view text = bytes.substr(markBytes);
    const std::u16string decoded = ReferenceFor(encoding).Decode(text);

    fuzz::MemorySource files(bytes, readSize);
    const LoadedDocument loaded = LoadDocument(files, u"doc.txt", nullptr, named);
    DocumentText expected;
    expected.Append(decoded);
    if (loaded.error || loaded.text != expected.Finish()) {
        std::abort();
    }
    CheckDecoder(DecoderFor(encoding), text, readSize, decoded);
    return 0;
}
