#include "platform/cp936.h"
#include "platform/gb18030.h"
#include "platform/prefault.h"
#include "platform/utf.h"
#include "platform/utf16_decoder.h"
#include "platform/utf8_decoder.h"
#include "reader/document_text.h"

#include <atomic>
#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace lumio {
namespace {

struct LineCase {
    const char* name;
    std::u16string file;
    std::u16string document;
};

const LineCase kCases[] = {
    {"blank lines dropped, ends trimmed", u"  Hello  \r\n\r\n   \r\nWorld", u"Hello  World  "},
    {"CR alone ends a line", u"a\rb\r", u"a  b  "},
    {"LF alone is text", u"a\nb\n", u"a\nb\n  "},
    {"CR LF then LF", u"a\r\n\nb", u"a  \nb  "},
    {"CR CR is an empty line between", u"a\r\rb", u"a  b  "},
    {"ideographic spaces trimmed with spaces", u"\u3000\u3000 text \u3000\r\n", u"text  "},
    {"inner spaces stay", u"a  \u3000 b", u"a  \u3000 b  "},
    {"tabs stay", u"\tx\t\r\n", u"\tx\t  "},
    {"blank only", u"   \r\n\u3000\r\n \u3000 ", u""},
    {"empty", u"", u""},
    {"NUL is text", std::u16string(u"a\0b", 3), std::u16string(u"a\0b  ", 5)},
    {"replacement characters are text", u"\uFFFD\r\n", u"\uFFFD  "},
    {"no line end at all", u"  one long line  ", u"one long line  "},
};

std::u16string Build(std::initializer_list<std::u16string_view> pieces) {
    DocumentText text;
    for (const auto piece : pieces) {
        text.Append(piece);
    }
    return text.Finish();
}

TEST(DocumentTextTest, LinesBecomeTrimmedTextWithTwoSpaces) {
    for (const auto& c : kCases) {
        EXPECT_EQ(Build({c.file}), c.document) << c.name;
    }
}

TEST(DocumentTextTest, PiecesCanSplitAnywhere) {
    for (const auto& c : kCases) {
        const std::u16string_view file = c.file;
        for (std::size_t cut = 0; cut <= file.size(); ++cut) {
            EXPECT_EQ(Build({file.substr(0, cut), file.substr(cut)}), c.document)
                << c.name << " cut at " << cut;
        }
        DocumentText oneByOne;
        for (const char16_t ch : file) {
            oneByOne.Append({&ch, 1});
            oneByOne.Append({});
        }
        EXPECT_EQ(oneByOne.Finish(), c.document) << c.name << " one by one";
    }
}

TEST(DocumentTextTest, LongLineIsKeptWhole) {
    const std::u16string line(3'000'000, u'x');
    DocumentText text;
    for (std::size_t i = 0; i < line.size(); i += 4096) {
        text.Append(std::u16string_view(line).substr(i, 4096));
    }
    const std::u16string document = text.Finish();
    ASSERT_EQ(document.size(), line.size() + 2);
    EXPECT_EQ(document.compare(0, line.size(), line), 0);
}

// Decoding as the loader does: bytes in pieces, each cut-off character passed again.
std::u16string BuildFromBytes(std::string_view bytes, const std::vector<std::size_t>& cuts) {
    DocumentText text;
    std::string pending;
    std::size_t from = 0;
    for (std::size_t k = 0; k <= cuts.size(); ++k) {
        const std::size_t to = k < cuts.size() ? cuts[k] : bytes.size();
        pending += bytes.substr(from, to - from);
        from = to;
        const bool last = k == cuts.size();
        const std::size_t used = text.AppendBytes(Cp936TextDecoder(), pending, last);
        EXPECT_LE(pending.size() - used, last ? 0u : 1u) << "at most a lead byte waits";
        pending.erase(0, used);
    }
    return text.Finish();
}

// Bytes whose decoding meets every rule: CR, LF, CR LF, spaces, ideographic spaces
// (A1 A1), a lone A1, pairs, leads before a CR or a bad trail, NUL, 0x80, 0xFF, ASCII.
const std::string kByteCases[] = {
    "\xa1\xa1\xa1\xa1\xd6\xd0\xce\xc4\r\n\x80 1\r\n\r\n\xc4\xa9",
    "  Hello  \r\n\r\n   \r\nWorld",
    "\xa1\xa1 \xa1\xa1x\xa1\xa1 \r\xa1\xa1\r",
    "\xa1\r\n\xa1\xa1\xa1",
    "\xd6\r\xd6\n\xd6",
    "a\r\r\nb\n\r\n\n",
    std::string("\0 \0\r\x81\x7f\xff\xff\r\n", 11),
    "\t\xa1\xa1x\xa1\xa1\t\r\n",
    "\x81\x81\x40 \xa1\xa1\xa1",
    "0123456789abcdef0123456789abcdef\xd6\xd0  \r\n    \xa1\xb0quote\xa1\xb1",
    "",
};

TEST(DocumentTextTest, BytesDecodeIntoTheTextThatDecodedTextGives) {
    for (const auto& bytes : kByteCases) {
        const std::u16string expected = Build({DecodeCp936(bytes)});
        EXPECT_EQ(BuildFromBytes(bytes, {}), expected) << bytes;
        for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
            EXPECT_EQ(BuildFromBytes(bytes, {cut}), expected) << bytes << " cut at " << cut;
        }
        std::vector<std::size_t> everyByte;
        for (std::size_t cut = 1; cut < bytes.size(); ++cut) {
            everyByte.push_back(cut);
        }
        EXPECT_EQ(BuildFromBytes(bytes, everyByte), expected) << bytes << " byte by byte";
    }
}

TEST(DocumentTextTest, RandomBytesDecodeIntoTheTextThatDecodedTextGives) {
    static const char* const kAlphabet[] = {"\r",
                                            "\n",
                                            " ",
                                            "\xa1",
                                            "\xa1\xa1",
                                            "\xd6\xd0",
                                            "\x81",
                                            "\x7f",
                                            "\xff",
                                            "\x80",
                                            "x",
                                            "\t",
                                            "0123456789abcdefghij"};
    std::uint32_t state = 12345;
    const auto next = [&](std::uint32_t bound) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % bound;
    };
    for (int round = 0; round < 300; ++round) {
        std::string bytes;
        const std::uint32_t parts = next(60);
        for (std::uint32_t p = 0; p < parts; ++p) {
            bytes += kAlphabet[next(std::size(kAlphabet))];
        }
        std::vector<std::size_t> cuts;
        for (std::size_t at = next(8); at < bytes.size(); at += 1 + next(12)) {
            cuts.push_back(at);
        }
        EXPECT_EQ(BuildFromBytes(bytes, cuts), Build({DecodeCp936(bytes)})) << bytes;
    }
}

TEST(DocumentTextTest, LongByteLineOutgrowsTheReserve) {
    // Room grows past the reserve while one line is decoded; nothing may be lost.
    std::string bytes(1'000'000, 'a');
    bytes += "\xd6\xd0\r\n";
    DocumentText text(16);
    EXPECT_EQ(text.AppendBytes(Cp936TextDecoder(), bytes, true), bytes.size());
    const std::u16string document = text.Finish();
    ASSERT_EQ(document.size(), 1'000'003u);
    EXPECT_EQ(document.find_first_not_of(u'a'), 1'000'000u);
    EXPECT_EQ(document.substr(1'000'000), u"\u4E2D  ");
}

TEST(DocumentTextTest, PagesGivenAheadFromAnotherThreadLeaveTheTextAsItIs) {
    // 24 MB of lines, in the reads of a load, while another thread gives the pages.
    std::string bytes;
    while (bytes.size() < (24u << 20)) {
        bytes += "  \xa1\xa1\xd6\xd0 line of a novel, \xa1\xb0quoted\xa1\xb1  \r\n";
    }
    DocumentText text(bytes.size());
    std::atomic<bool> done{false};
    std::atomic<int> steps{0};
    std::thread helper([&] {
        while (!done) {
            if (text.GivePagesAhead()) {
                ++steps;
            }
        }
    });
    for (std::size_t at = 0; at < bytes.size();) {
        at += text.AppendBytes(Cp936TextDecoder(), std::string_view(bytes).substr(at, 256u << 10),
                               false);
    }
    done = true;
    helper.join();
    const std::u16string document = text.Finish();
    EXPECT_EQ(document, Build({DecodeCp936(bytes)}));
    if (PrefaultWorks()) {
        EXPECT_GT(steps, 0);
    }
}

// The text in UTF-16 bytes, low or high byte first.
std::string Utf16Bytes(std::u16string_view text, bool bigEndian) {
    std::string bytes;
    for (const char16_t u : text) {
        const char low = static_cast<char>(u & 0xFF);
        const char high = static_cast<char>(u >> 8);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

TEST(DocumentTextTest, EveryDecoderGivesTheLineRulesTheSameText) {
    // The line cases in UTF-8 and UTF-16, decoded straight into the text in two pieces
    // cut anywhere: CR, LF and the trimmed spaces are found by their characters, not by
    // their bytes (in UTF-16 a CR is two bytes, and U+4E0D holds the byte 0x0D).
    struct Encoded {
        const char* name;
        const TextDecoder& decoder;
        std::string (*encode)(std::u16string_view);
    };
    const Encoded encodings[] = {
        {"UTF-8", Utf8TextDecoder(), [](std::u16string_view t) { return ToUtf8(t); }},
        {"UTF-16LE", Utf16LeTextDecoder(),
         [](std::u16string_view t) { return Utf16Bytes(t, false); }},
        {"UTF-16BE", Utf16BeTextDecoder(),
         [](std::u16string_view t) { return Utf16Bytes(t, true); }},
    };
    std::vector<LineCase> cases(std::begin(kCases), std::end(kCases));
    cases.push_back({"U+4E0D and U+0D0A are no line ends", u"\u4E0D\u0D0A\r\n\u0A0D",
                     u"\u4E0D\u0D0A  \u0A0D  "});
    // U+23000 and U+13000 share their low sixteen bits with U+3000; they are no spaces.
    cases.push_back({"characters beyond U+FFFF stay", u"\U00023000x\U00013000\r\n\u3000\U00023000",
                     u"\U00023000x\U00013000  \U00023000  "});
    for (const Encoded& e : encodings) {
        for (const auto& c : cases) {
            const std::string bytes = e.encode(c.file);
            for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
                DocumentText text;
                const std::string_view view = bytes;
                const std::size_t used = text.AppendBytes(e.decoder, view.substr(0, cut), false);
                ASSERT_LE(used, cut);
                EXPECT_EQ(text.AppendBytes(e.decoder, view.substr(used), true),
                          bytes.size() - used);
                EXPECT_EQ(text.Finish(), c.document)
                    << e.name << ": " << c.name << " cut at " << cut;
            }
        }
    }
}

TEST(DocumentTextTest, TheDecoderMayChangeBetweenCharacters) {
    // As detection does: ASCII in front through the GBK decoder, the rest as UTF-8.
    DocumentText text;
    EXPECT_EQ(text.AppendBytes(Cp936WidenedTextDecoder(), "  Chapter 1\r", false), 12u);
    EXPECT_EQ(text.AppendBytes(Utf8TextDecoder(), "\n\xE7\xAC\xAC\xE4\xB8\x80\xE7\xAB\xA0", true),
              10u);
    EXPECT_EQ(text.Finish(), u"Chapter 1  第一章  ");
}

} // namespace
} // namespace lumio
