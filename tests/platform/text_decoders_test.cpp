// What each decoder makes of hand-picked bytes, as literal text: the characters, the bad
// input, the line ends it stops at and the characters it waits for.
#include "platform/cp936.h"
#include "platform/cp950.h"
#include "platform/gb18030.h"
#include "platform/text_encoding.h"
#include "platform/utf16_decoder.h"
#include "platform/utf8_decoder.h"

#include <gtest/gtest.h>
#include <string>

namespace lumio {
namespace {

using namespace std::string_literals;

struct DecodeCase {
    const char* name;
    const TextDecoder& decoder;
    std::string bytes;
    std::u16string text;
};

const DecodeCase kCases[] = {
    {"UTF-8 Chinese", Utf8TextDecoder(), "\xE7\xAC\xAC\xE4\xB8\x80\xE7\xAB\xA0", u"第一章"},
    {"UTF-8 beyond U+FFFF", Utf8TextDecoder(), "\xF0\xA0\x80\x80", u"\U00020000"},
    {"UTF-8 overlong: one U+FFFD a byte", Utf8TextDecoder(), "\xC0\xAF", u"\uFFFD\uFFFD"},
    {"UTF-8 surrogate: E0-EF leads take only their own range", Utf8TextDecoder(), "\xED\xA0\x80",
     u"\uFFFD\uFFFD\uFFFD"},
    {"UTF-8 cut-off sequence is one maximal subpart", Utf8TextDecoder(), "\xE4\xB8x", u"\uFFFDx"},
    {"UTF-8 past U+10FFFF", Utf8TextDecoder(), "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
    {"UTF-8 truncated at the end", Utf8TextDecoder(), "a\xF0\x9F\x98", u"a\uFFFD"},
    {"UTF-8 NUL is text", Utf8TextDecoder(), "a\0b"s, u"a\0b"s},
    {"UTF-16LE", Utf16LeTextDecoder(), "\x2D\x4E\x87\x65"s, u"中文"},
    {"UTF-16BE", Utf16BeTextDecoder(), "\x4E\x2D\x65\x87"s, u"中文"},
    {"UTF-16LE pair", Utf16LeTextDecoder(), "\x40\xD8\x00\xDC"s, u"\U00020000"},
    {"UTF-16LE lone high surrogate", Utf16LeTextDecoder(), "\x40\xD8\x41\x00"s, u"\uFFFDA"},
    {"UTF-16LE lone low surrogate", Utf16LeTextDecoder(), "\x00\xDC\x41\x00"s, u"\uFFFDA"},
    {"UTF-16LE odd last byte", Utf16LeTextDecoder(), "\x41\x00\x42"s, u"A\uFFFD"},
    {"UTF-16BE high surrogate and odd byte at the end", Utf16BeTextDecoder(), "\xD8\x40\x41"s,
     u"\uFFFD\uFFFD"},
    {"GBK exactly", Cp936TextDecoder(), "\xD6\xD0\x80", u"中€"},
    {"GBK knows no four-byte sequence", Cp936TextDecoder(), "\x95\x32\x82\x36", u"\uFFFD2\uFFFD6"},
    {"widened GBK: a four-byte sequence", Cp936WidenedTextDecoder(), "\x95\x32\x82\x36",
     u"\U00020000"},
    {"widened GBK: U+3400 from the BMP part", Cp936WidenedTextDecoder(), "\x81\x39\xEE\x39",
     u"\u3400"},
    {"widened GBK: no such character, read as GBK", Cp936WidenedTextDecoder(), "\x84\x31\xA5\x30",
     u"\uFFFD1\uFFFD0"},
    {"widened GBK: not GB18030's added pairs", Cp936WidenedTextDecoder(), "\xFE\x51", u"\uFFFDQ"},
    {"widened GBK keeps 0x80", Cp936WidenedTextDecoder(), "\x80", u"€"},
    {"GB18030: 0x80 is no character", Gb18030TextDecoder(), "\x80\xD6\xD0", u"\uFFFD中"},
    {"GB18030: an added pair beyond U+FFFF", Gb18030TextDecoder(), "\xFE\x51", u"\U00020087"},
    {"GB18030: user-defined area", Gb18030TextDecoder(), "\xAA\xA1", u"\uE000"},
    {"GB18030: last character", Gb18030TextDecoder(), "\xE3\x32\x9A\x35", u"\U0010FFFF"},
    {"GB18030: past the last", Gb18030TextDecoder(), "\xE3\x32\x9A\x36", u"\uFFFD2\uFFFD6"},
    {"Big5", Cp950TextDecoder(), "\xA4\xA4\xA4\xE5", u"中文"},
    {"Big5 euro sign", Cp950TextDecoder(), "\xA3\xE1", u"€"},
    {"Big5 0x80 is a character", Cp950TextDecoder(), "\x80", u"\u0080"},
    {"Big5 lead before a bad trail", Cp950TextDecoder(), "\xA4\x30", u"\uFFFD0"},
    {"Big5 byte outside the lead range", Cp950TextDecoder(), "\x81\x40", u"\uFFFD@"},
};

TEST(TextDecodersTest, DecodeWholeInputs) {
    for (const auto& c : kCases) {
        EXPECT_EQ(DecodeAll(c.decoder, c.bytes), c.text) << c.name;
    }
}

TEST(TextDecodersTest, SplitInputsDecodeLikeWholeOnes) {
    for (const auto& c : kCases) {
        const std::string_view bytes = c.bytes;
        for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
            std::u16string out;
            const std::size_t used = DecodeAppend(c.decoder, bytes.substr(0, cut), out, false);
            ASSERT_LE(used, cut);
            EXPECT_EQ(DecodeAppend(c.decoder, bytes.substr(used), out, true), bytes.size() - used);
            EXPECT_EQ(out, c.text) << c.name << " cut at " << cut;
        }
    }
}

TEST(TextDecodersTest, DecodingStopsAfterALineEndOnly) {
    struct StopCase {
        const char* name;
        const TextDecoder& decoder;
        std::string bytes;
        std::size_t used;
        std::u16string written;
        bool lineEnd;
    };
    const StopCase cases[] = {
        {"GBK", Cp936TextDecoder(), "\xD6\xD0\r\nx", 3, u"中", true},
        {"UTF-8", Utf8TextDecoder(), "0123456789abcdefghij\r", 21, u"0123456789abcdefghij", true},
        {"no CR", Utf8TextDecoder(), "ab\n", 3, u"ab\n", false},
        {"UTF-16LE", Utf16LeTextDecoder(), "a\0\r\0\n\0"s, 4, u"a", true},
        {"UTF-16BE", Utf16BeTextDecoder(), "\0a\0\r"s, 4, u"a", true},
        {"U+4E0D holds a CR byte", Utf16LeTextDecoder(), "\x0D\x4E\x0D\x00"s, 4, u"不", true},
        {"U+0D0A holds CR and LF bytes", Utf16BeTextDecoder(), "\x0D\x0A"s, 2, u"\u0D0A", false},
        {"a long run of units", Utf16LeTextDecoder(), "a\0b\0c\0d\0e\0f\0g\0h\0i\0j\0\r\0"s, 22,
         u"abcdefghij", true},
        {"a lead waits before the CR", Cp936TextDecoder(), "\xD6\r", 2, u"\uFFFD", true},
        {"Big5", Cp950TextDecoder(), "\xA4\xA4\r", 3, u"中", true},
    };
    for (const auto& c : cases) {
        std::u16string out(c.bytes.size(), u'?');
        const DecodeProgress p = c.decoder.Decode(c.bytes, out.data(), true, true);
        EXPECT_EQ(p.used, c.used) << c.name;
        EXPECT_EQ(out.substr(0, p.written), c.written) << c.name;
        EXPECT_EQ(p.lineEnd, c.lineEnd) << c.name;
    }
}

TEST(TextDecodersTest, LineBytesAreTheCharactersTheyName) {
    // The line rules find LF and the trimmed spaces by these bytes: each must decode to
    // its character, alone and at a character's start between others.
    const TextDecoder* decoders[] = {
        &Cp936TextDecoder(), &Cp936WidenedTextDecoder(), &Gb18030TextDecoder(), &Cp950TextDecoder(),
        &Utf8TextDecoder(),  &Utf16LeTextDecoder(),      &Utf16BeTextDecoder()};
    for (const TextDecoder* decoder : decoders) {
        const LineBytes& forms = decoder->lineBytes();
        const std::pair<std::string_view, std::u16string> cases[] = {
            {forms.lf, u"\n"}, {forms.space, u" "}, {forms.ideographicSpace, u"\u3000"}};
        for (const auto& [bytes, text] : cases) {
            ASSERT_FALSE(bytes.empty());
            EXPECT_EQ(DecodeAll(*decoder, bytes), text);
            const std::string twice = std::string(bytes) + std::string(bytes);
            EXPECT_EQ(DecodeAll(*decoder, twice), text + text);
        }
    }
    EXPECT_EQ(Cp936TextDecoder().lineBytes().ideographicSpace, "\xA1\xA1");
    EXPECT_EQ(Cp950TextDecoder().lineBytes().ideographicSpace, "\xA1\x40");
}

TEST(TextEncodingTest, NamesAndDecoders) {
    struct NameCase {
        std::string_view name;
        TextEncoding encoding;
        const TextDecoder& decoder;
    };
    const NameCase cases[] = {
        {"auto", TextEncoding::Auto, Cp936WidenedTextDecoder()},
        {"GBK", TextEncoding::Gbk, Cp936TextDecoder()},
        {"gb18030", TextEncoding::Gb18030, Gb18030TextDecoder()},
        {"UTF-8", TextEncoding::Utf8, Utf8TextDecoder()},
        {"utf-16le", TextEncoding::Utf16Le, Utf16LeTextDecoder()},
        {"Utf-16BE", TextEncoding::Utf16Be, Utf16BeTextDecoder()},
        {"big5", TextEncoding::Big5, Cp950TextDecoder()},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(EncodingNamed(c.name), c.encoding) << c.name;
        EXPECT_EQ(&DecoderFor(c.encoding), &c.decoder) << c.name;
        EXPECT_EQ(EncodingNamed(EncodingName(c.encoding)), c.encoding) << c.name;
    }
    for (const std::string_view bad : {"", "utf8", "utf-16", "cp936", "gbk ", "latin1"}) {
        EXPECT_FALSE(EncodingNamed(bad)) << bad;
    }
    EXPECT_EQ(EncodingNames(), "auto, gbk, gb18030, utf-8, utf-16le, utf-16be, big5");
}

} // namespace
} // namespace lumio
