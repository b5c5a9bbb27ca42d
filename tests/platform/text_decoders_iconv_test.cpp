// Every decoder against the C library's converter (iconv_reference.h), over every
// sequence of its kind where that is few enough to run, and over every class of byte
// where it is not.
#include "byte_strings.h"
#include "platform/cp950.h"
#include "platform/gb18030.h"
#include "platform/utf16_decoder.h"
#include "platform/utf8_decoder.h"

#include <gtest/gtest.h>

#if defined(__GLIBC__)
#include "iconv_reference.h"

#include <functional>
#include <string>
#include <vector>

namespace lumio {
namespace {

// Compares many sequences at once, each with `separator` after it, and names the first
// sequence that differs when the whole differs.
class Batch {
public:
    Batch(const TextDecoder& decoder, reference::IconvReference& reference, std::string separator)
        : decoder_(decoder), reference_(reference), separator_(std::move(separator)) {}
    ~Batch() { Flush(); }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

    void Add(std::string sequence) {
        bytes_ += sequence + separator_;
        sequences_.push_back(std::move(sequence));
        if (bytes_.size() > (64u << 10)) {
            Flush();
        }
    }

    void Flush() {
        const std::string bytes = std::move(bytes_);
        const std::vector<std::string> sequences = std::move(sequences_);
        bytes_.clear();
        sequences_.clear();
        if (!bytes.empty() && DecodeAll(decoder_, bytes) != reference_.Decode(bytes)) {
            for (const std::string& s : sequences) {
                const std::string one = s + separator_;
                ASSERT_EQ(DecodeAll(decoder_, one), reference_.Decode(one)) << Hex(one);
            }
            ADD_FAILURE() << "only the whole batch differs";
        }
    }

private:
    const TextDecoder& decoder_;
    reference::IconvReference& reference_;
    std::string separator_;
    std::string bytes_;
    std::vector<std::string> sequences_;
};

// Whole, and in two pieces at every cut with the cut-off character passed again, the way
// a load meets a block boundary.
void ExpectSameInPieces(const TextDecoder& decoder, reference::IconvReference& reference,
                        std::string_view bytes) {
    const std::u16string expected = reference.Decode(bytes);
    ASSERT_EQ(DecodeAll(decoder, bytes), expected) << Hex(bytes);
    for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
        std::u16string out;
        const std::size_t used = DecodeAppend(decoder, bytes.substr(0, cut), out, false);
        ASSERT_LE(used, cut);
        EXPECT_LE(cut - used, 3u) << "no character is longer than four bytes";
        DecodeAppend(decoder, bytes.substr(used), out, true);
        ASSERT_EQ(out, expected) << Hex(bytes) << "cut at " << cut;
    }
}

class DecoderIconvTest : public ::testing::Test {
protected:
    // The reference, or a failure where this C library lacks its converter (glibc has
    // them all, and CI runs on glibc).
    std::unique_ptr<reference::IconvReference> Need(std::unique_ptr<reference::IconvReference> r) {
        EXPECT_TRUE(r->ok()) << "the C library lacks a converter";
        return r;
    }
};

TEST_F(DecoderIconvTest, Utf8EveryOneAndTwoByteSequence) {
    auto reference = Need(reference::Utf8());
    Batch batch(Utf8TextDecoder(), *reference, "A");
    for (int a = 0; a < 256; ++a) {
        batch.Add(Bytes({a}));
        for (int b = 0; b < 256; ++b) {
            batch.Add(Bytes({a, b}));
        }
    }
}

TEST_F(DecoderIconvTest, Utf8EveryThreeByteSequenceOfAThreeByteLead) {
    // Overlong forms (E0 80-9F) and surrogates (ED A0-BF) among them.
    auto reference = Need(reference::Utf8());
    Batch batch(Utf8TextDecoder(), *reference, "A");
    for (int a = 0xE0; a <= 0xEF; ++a) {
        for (int b = 0; b < 256; ++b) {
            for (int c = 0; c < 256; ++c) {
                batch.Add(Bytes({a, b, c}));
            }
        }
    }
}

TEST_F(DecoderIconvTest, Utf8FourByteSequencesOverEveryClassOfByte) {
    // Every lead from F0 (overlong below 90) to F7 (past U+10FFFF), every second byte,
    // and for the third and fourth the bounds of every class a byte after a lead can
    // fall in.
    auto reference = Need(reference::Utf8());
    static constexpr int kClassBounds[] = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F,
                                           0xA0, 0xBF, 0xC0, 0xC2, 0xE0, 0xF0, 0xFF};
    Batch batch(Utf8TextDecoder(), *reference, "A");
    for (int a = 0xF0; a <= 0xF7; ++a) {
        for (int b = 0; b < 256; ++b) {
            for (const int c : kClassBounds) {
                for (const int d : kClassBounds) {
                    batch.Add(Bytes({a, b, c, d}));
                }
            }
        }
    }
}

TEST_F(DecoderIconvTest, Utf8TruncatedTailsAndPieces) {
    auto reference = Need(reference::Utf8());
    const std::string cases[] = {
        "\xE4\xB8",             // a three-byte character cut off at the end
        "\xF0\x9F\x98",         // a four-byte one
        "x\xF0\x9F\x98\x80y",   // whole: U+1F600
        "\xE4\xB8\xADx\xE4",    // a character, then a lead at the end
        "\xED\xA0\x80\xED\xB0", // an encoded surrogate pair is two ill-formed runs
        "\xC0\xAF\xE0\x80\xAF", // overlong slashes
        "\xF4\x90\x80\x80",     // past U+10FFFF
        "\xF8\x88\x80\x80\x80", // five-byte forms are gone
        "\x80\xBF\xC2",         // lone continuation bytes
        "\xEF\xBB\xBF\r\n",     // a mark is a character to the decoder
    };
    for (const std::string& bytes : cases) {
        ExpectSameInPieces(Utf8TextDecoder(), *reference, bytes);
    }
}

TEST_F(DecoderIconvTest, Gb18030EveryFourByteSequence) {
    auto reference = Need(reference::Gb18030());
    Batch batch(Gb18030TextDecoder(), *reference, "");
    for (int a = 0x81; a <= 0xFE; ++a) {
        for (int b = '0'; b <= '9'; ++b) {
            for (int c = 0x81; c <= 0xFE; ++c) {
                for (int d = '0'; d <= '9'; ++d) {
                    batch.Add(Bytes({a, b, c, d}));
                }
            }
        }
    }
}

TEST_F(DecoderIconvTest, Gb18030EveryOneAndTwoByteSequence) {
    auto reference = Need(reference::Gb18030());
    Batch batch(Gb18030TextDecoder(), *reference, "A");
    for (int a = 0; a < 256; ++a) {
        batch.Add(Bytes({a}));
        for (int b = 0; b < 256; ++b) {
            batch.Add(Bytes({a, b}));
        }
    }
}

TEST_F(DecoderIconvTest, Cp936WidenedReadsFourByteSequencesAsGb18030AndTheRestAsCp936) {
    auto reference = Need(reference::Cp936Widened());
    Batch batch(Cp936WidenedTextDecoder(), *reference, "");
    for (int a = 0x81; a <= 0xFE; ++a) {
        for (int b = '0'; b <= '9'; ++b) {
            for (int c = 0x81; c <= 0xFE; ++c) {
                for (int d = '0'; d <= '9'; ++d) {
                    batch.Add(Bytes({a, b, c, d}));
                }
            }
        }
        for (int b = 0; b < 256; ++b) {
            batch.Add(Bytes({a, b}));
        }
    }
}

TEST_F(DecoderIconvTest, FourByteSequencesCutOffAnywhere) {
    auto widened = Need(reference::Cp936Widened());
    auto gb18030 = Need(reference::Gb18030());
    const std::string cases[] = {
        "\x81\x30\x81\x30",         // U+0080
        "\x95\x32\x82\x36x",        // U+20000
        "\xE3\x32\x9A\x35",         // U+10FFFF
        "\xE3\x32\x9A\x36",         // past it: no character
        "\x84\x31\xA5\x30",         // between the two planes: no character
        "\x81\x30\x81",             // cut off by the end
        "\x81\x30\x41\x30",         // not shaped like one
        "\xD6\xD0\x81\x39\xEE\x39", // a pair, then U+3400
        "\xFE\x51\x80",             // GB18030 adds the pair; code page 936 has 0x80
    };
    for (const std::string& bytes : cases) {
        ExpectSameInPieces(Cp936WidenedTextDecoder(), *widened, bytes);
        ExpectSameInPieces(Gb18030TextDecoder(), *gb18030, bytes);
    }
}

TEST_F(DecoderIconvTest, Cp950EveryOneAndTwoByteSequence) {
    auto reference = Need(reference::Cp950());
    Batch batch(Cp950TextDecoder(), *reference, "A");
    for (int a = 0; a < 256; ++a) {
        batch.Add(Bytes({a}));
        for (int b = 0; b < 256; ++b) {
            batch.Add(Bytes({a, b}));
        }
    }
    for (const std::string bytes : {"\xA4\xA4\xA4", "\xA4\xA4\xA4\x40", "\xF9\xFE\x80\xFF"}) {
        ExpectSameInPieces(Cp950TextDecoder(), *reference, bytes);
    }
}

TEST_F(DecoderIconvTest, Utf16EveryUnitAndEveryPairOfSurrogates) {
    const std::pair<const TextDecoder&, std::unique_ptr<reference::IconvReference>> cases[] = {
        {Utf16LeTextDecoder(), Need(reference::Utf16Le())},
        {Utf16BeTextDecoder(), Need(reference::Utf16Be())},
    };
    for (const auto& [decoder, reference] : cases) {
        const bool big = &decoder == &Utf16BeTextDecoder();
        const auto unit = [big](unsigned u) {
            return big ? Bytes({int(u >> 8), int(u & 0xFF)}) : Bytes({int(u & 0xFF), int(u >> 8)});
        };
        Batch units(decoder, *reference, unit('A'));
        for (unsigned u = 0; u < 0x10000; ++u) {
            units.Add(unit(u));
        }
        units.Flush();
        // Every high surrogate before every low one, and the other way round.
        Batch pairs(decoder, *reference, unit('A'));
        for (unsigned high = 0xD800; high < 0xDC00; ++high) {
            for (unsigned low = 0xDC00; low < 0xE000; low += (high % 7 == 0 ? 1 : 61)) {
                pairs.Add(unit(high) + unit(low));
                pairs.Add(unit(low) + unit(high));
            }
        }
    }
}

TEST_F(DecoderIconvTest, Utf16OddLengthsAndLoneSurrogatesCutOffAnywhere) {
    auto le = Need(reference::Utf16Le());
    auto be = Need(reference::Utf16Be());
    using namespace std::string_literals;
    const std::string cases[] = {
        "A"s,                        // one odd byte
        "A\0B"s,                     // a unit and an odd byte
        "\x3D\xD8\x00\xDE"s,         // U+1F600 as a pair (LE)
        "\x3D\xD8"s,                 // a high surrogate at the end
        "\x3D\xD8x"s,                // and an odd byte after it
        "\x3D\xD8\x41\x00"s,         // a high surrogate before an ordinary unit
        "\x00\xDE\x3D\xD8\x00\xDE"s, // a low one alone, then a pair
        "\x0D\x00\x0A\x00\x0D\x4E"s, // CR LF, then U+4E0D, whose low byte is a CR
    };
    for (const std::string& bytes : cases) {
        ExpectSameInPieces(Utf16LeTextDecoder(), *le, bytes);
        ExpectSameInPieces(Utf16BeTextDecoder(), *be, bytes);
    }
}

} // namespace
} // namespace lumio

#endif // Elsewhere (the Windows build) code_page_system_table compares with the system's.
