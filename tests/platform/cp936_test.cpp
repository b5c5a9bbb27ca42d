#include "platform/cp936.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::u16string text;
};

const DecodeCase kCases[] = {
    {"ASCII", "Hello, 1 2 3", u"Hello, 1 2 3"},
    {"0x80 is the euro sign", "\x80", u"\u20AC"},
    {"double-byte characters", "\xd6\xd0\xce\xc4", u"中文"},
    {"ideographic space", "\xa1\xa1x", u"\u3000x"},
    {"curly quotes", "\xa1\xb0\xa1\xb1", u"\u201C\u201D"},
    {"NUL is a character", std::string("a\0b", 3), std::u16string(u"a\0b", 3)},
    {"0xFF starts nothing",
     "A\xff"
     "B",
     u"A\uFFFDB"},
    {"lead byte with a bad trail keeps the trail",
     "\x81\x7f"
     "B",
     u"\uFFFD\x7F"
     u"B"},
    {"lead byte before a line end", "\xd6\r\n", u"\uFFFD\r\n"},
    {"bad bytes one by one", "\xff\xff\xff", u"\uFFFD\uFFFD\uFFFD"},
    {"decoding resumes at the next byte", "\xff\xa1\xa1", u"\uFFFD\u3000"},
    {"cut off at the end", "\xd6\xd0\xd6", u"中\uFFFD"},
    {"only a lead byte", "\x81", u"\uFFFD"},
    // 0xFE, the last lead byte: only FE40..FE4F are characters (compatibility
    // ideographs, U+FA10 and U+FA12 skipped); the rest of its row is user-defined.
    {"0xFE first pair", "\xfe\x40", u"\uFA0C"},
    {"0xFE skips U+FA10", "\xfe\x43\xfe\x44", u"\uFA0F\uFA11"},
    {"0xFE last pair", "\xfe\x4f", u"\uFA29"},
    {"0xFE user-defined pair keeps the trail",
     "\xfe\x50"
     "B",
     u"\uFFFDPB"},
    {"0xFE before a trail no lead takes", "\xfe\x3f", u"\uFFFD?"},
    {"0xFE before 0x80", "\xfe\x80", u"\uFFFD\u20AC"},
    {"0xFE before another lead", "\xfe\xfe\x40", u"\uFFFD\uFA0C"},
    {"0xFE at the end", "a\xfe", u"a\uFFFD"},
    {"empty", "", u""},
};

TEST(Cp936Test, DecodesWholeInputs) {
    for (const auto& c : kCases) {
        EXPECT_EQ(DecodeCp936(c.bytes), c.text) << c.name;
    }
}

TEST(Cp936Test, SplitInputsDecodeLikeWholeOnes) {
    for (const auto& c : kCases) {
        for (std::size_t cut = 0; cut <= c.bytes.size(); ++cut) {
            Cp936Decoder decoder;
            std::u16string out;
            const std::string_view bytes = c.bytes;
            const std::size_t used = decoder.Decode(bytes.substr(0, cut), out, false);
            ASSERT_LE(used, cut);
            EXPECT_LE(cut - used, 1u) << "GBK leaves at most one byte of a cut character";
            const std::size_t rest = decoder.Decode(bytes.substr(used), out, true);
            EXPECT_EQ(rest, bytes.size() - used);
            EXPECT_EQ(out, c.text) << c.name << " cut at " << cut;
        }
    }
}

TEST(Cp936Test, UnfinishedCharacterWaitsForMoreBytes) {
    Cp936Decoder decoder;
    std::u16string out = u">";
    EXPECT_EQ(decoder.Decode("a\xd6", out, false), 1u);
    EXPECT_EQ(out, u">a");
    EXPECT_EQ(decoder.Decode("\xd6\xd0", out, false), 2u);
    EXPECT_EQ(out, u">a中");
}

TEST(Cp936Test, LargeInputKeepsEveryCharacter) {
    std::string bytes;
    std::u16string expected;
    for (int i = 0; i < 100000; ++i) {
        bytes += (i % 7 == 0) ? "\xff" : "\xd6\xd0z";
        expected += (i % 7 == 0) ? u"\uFFFD" : u"中z";
    }
    EXPECT_EQ(DecodeCp936(bytes), expected);
}

} // namespace
} // namespace lumio
