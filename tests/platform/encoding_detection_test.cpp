// How the encoding of a document is found, as a table of documents and what they are
// found to be; and how the detector hands the bytes on while it judges them.
#include "platform/encoding_detection.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumio {
namespace {

using namespace std::string_literals;

// "第一章" in UTF-8, three valid multi-byte sequences.
const std::string kUtf8Chapter = "\xE7\xAC\xAC\xE4\xB8\x80\xE7\xAB\xA0";
// "第一章" in GBK.
const std::string kGbkChapter = "\xB5\xDA\xD2\xBB\xD5\xC2";

std::string Repeat(const std::string& s, std::size_t n) {
    std::string out;
    for (std::size_t i = 0; i < n; ++i) {
        out += s;
    }
    return out;
}

// `valid` UTF-8 characters (中) with `invalid` lone continuation bytes spread among them.
std::string Utf8With(std::size_t valid, std::size_t invalid) {
    std::string out;
    for (std::size_t i = 0; i < valid; ++i) {
        out += "\xE4\xB8\xAD";
        if (invalid > 0 && i % (valid / invalid + 1) == 0 && i / (valid / invalid + 1) < invalid) {
            out += '\x80';
        }
    }
    return out;
}

// Feeds `bytes` to a detector in pieces of `piece` bytes, passing again what it holds,
// as the loader does; returns the encoding decided and checks that every byte was
// handed on exactly once, the mark dropped.
TextEncoding Detect(const std::string& bytes, std::size_t piece = 1 << 15,
                    TextEncoding named = TextEncoding::Auto) {
    EncodingDetector detector(named);
    std::string pending;
    std::string handed;
    std::size_t skipped = 0;
    for (std::size_t at = 0;;) {
        const std::size_t n = std::min(piece, bytes.size() - at);
        pending += bytes.substr(at, n);
        at += n;
        const bool last = at == bytes.size();
        std::size_t used = 0;
        for (;;) {
            const EncodingDetector::Step step =
                detector.Next(std::string_view(pending).substr(used), last);
            EXPECT_NE(step.decoder, nullptr);
            skipped += step.skip;
            used += step.skip;
            handed += pending.substr(used, step.ready);
            used += step.ready;
            if (step.ready == 0 || used == pending.size()) {
                break;
            }
        }
        pending.erase(0, used);
        if (last) {
            break;
        }
    }
    EXPECT_TRUE(pending.empty()) << "everything is handed on at the end";
    EXPECT_EQ(bytes.substr(skipped), handed) << "each byte once, in order";
    EXPECT_TRUE(detector.decided() || detector.encoding() == TextEncoding::Auto);
    return detector.encoding();
}

struct DetectionCase {
    const char* name;
    std::string bytes;
    TextEncoding found;
};

const std::vector<DetectionCase>& Cases() {
    static const std::vector<DetectionCase> cases = {
        {"UTF-8 mark", "\xEF\xBB\xBF" + kGbkChapter, TextEncoding::Utf8},
        {"UTF-16LE mark", "\xFF\xFE\x2D\x4E"s, TextEncoding::Utf16Le},
        {"UTF-16BE mark", "\xFE\xFF\x4E\x2D"s, TextEncoding::Utf16Be},
        {"a mark alone", "\xEF\xBB\xBF", TextEncoding::Utf8},
        {"the start of a mark is no mark", "\xEF\xBB", TextEncoding::Auto},
        {"a UTF-32LE mark reads as UTF-16LE", "\xFF\xFE\0\0"s, TextEncoding::Utf16Le},
        {"UTF-8", kUtf8Chapter + "\r\n", TextEncoding::Utf8},
        {"UTF-8 after ASCII", "Chapter 1 " + kUtf8Chapter, TextEncoding::Utf8},
        {"UTF-8 invalid at the start", "\xFF" + kUtf8Chapter, TextEncoding::Auto},
        {"UTF-8 invalid in the middle", kUtf8Chapter + "\xC3(" + kUtf8Chapter, TextEncoding::Auto},
        {"UTF-8 cut off at the end", kUtf8Chapter + "\xE4\xB8", TextEncoding::Auto},
        {"one bad sequence in a long text", Utf8With(5000, 1), TextEncoding::Utf8},
        {"a truncated long text", Utf8With(5000, 0) + "\xE4\xB8", TextEncoding::Utf8},
        {"one bad in 1,000 valid", Utf8With(1000, 1), TextEncoding::Utf8},
        {"one bad in 999 valid", Utf8With(999, 1), TextEncoding::Auto},
        {"two bad in 2,000 valid", Utf8With(2000, 2), TextEncoding::Utf8},
        {"three bad in 2,000 valid", Utf8With(2000, 3), TextEncoding::Auto},
        {"GBK", kGbkChapter + "\r\n", TextEncoding::Auto},
        // 说 (CB B5) and 谁 (CB AD) happen to be valid UTF-8 pairs.
        {"GBK holding a few valid UTF-8 pairs", Repeat("\xCB\xB5\xCB\xAD\xD6\xD0", 50),
         TextEncoding::Auto},
        // Every two-byte UTF-8 sequence is a GBK pair: without a longer one, a text that
        // reads as GBK throughout stays GBK.
        {"GBK that is all valid UTF-8 pairs", Repeat("\xD2\xBB", 400) + "\r\n", TextEncoding::Auto},
        {"Cyrillic in UTF-8 reads as GBK too", "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82",
         TextEncoding::Auto},
        {"two-byte UTF-8 with a byte GBK cannot read", Repeat("\xD0\x96", 1000) + "\xFF",
         TextEncoding::Utf8},
        {"one three-byte character among two-byte ones", "caf\xC3\xA9 \xE2\x80\x9Cok\xE2\x80\x9D",
         TextEncoding::Utf8},
        {"ASCII only", "Hello, world.\r\n", TextEncoding::Auto},
        {"empty", "", TextEncoding::Auto},
    };
    return cases;
}

TEST(EncodingDetectionTest, FindsTheEncodingOfEachDocument) {
    for (const auto& c : Cases()) {
        EXPECT_EQ(Detect(c.bytes), c.found) << c.name;
    }
}

TEST(EncodingDetectionTest, ReadsOfAnySizeFindTheSame) {
    for (const auto& c : Cases()) {
        for (const std::size_t piece : {1u, 2u, 3u, 7u, 4096u}) {
            EXPECT_EQ(Detect(c.bytes, piece), c.found) << c.name << " in pieces of " << piece;
        }
    }
}

TEST(EncodingDetectionTest, ANamedEncodingIsUsedAsItIsWithoutItsOwnMark) {
    struct NamedCase {
        TextEncoding named;
        std::string bytes;
        std::size_t skipped;
    };
    const NamedCase cases[] = {
        {TextEncoding::Gbk, kUtf8Chapter, 0},
        {TextEncoding::Gbk, "\xEF\xBB\xBF" + kGbkChapter, 0},
        {TextEncoding::Utf8, "\xEF\xBB\xBF" + kGbkChapter, 3},
        {TextEncoding::Utf8, "\xFF\xFE\x41\x00"s, 0},
        {TextEncoding::Utf16Le, "\xFF\xFE\x41\x00"s, 2},
        {TextEncoding::Utf16Le, "\xFE\xFF\x00\x41"s, 0},
        {TextEncoding::Utf16Be, "\xFE\xFF\x00\x41"s, 2},
        {TextEncoding::Gb18030, "\x84\x31\x95\x33\xD6\xD0", 4},
        {TextEncoding::Big5, "\xEF\xBB\xBF", 0},
    };
    for (const auto& c : cases) {
        for (const std::size_t piece : {1u, 4096u}) {
            EncodingDetector detector(c.named);
            std::size_t skipped = 0;
            std::string pending;
            for (std::size_t at = 0; at <= c.bytes.size(); at += piece) {
                pending += c.bytes.substr(at, piece);
                const auto step = detector.Next(pending, at + piece >= c.bytes.size());
                skipped += step.skip;
                pending.erase(0, step.skip + step.ready);
            }
            EXPECT_EQ(skipped, c.skipped) << EncodingName(c.named);
            EXPECT_EQ(detector.encoding(), c.named);
            EXPECT_EQ(detector.Next("\xFF", false).decoder, &DecoderFor(c.named));
        }
    }
}

TEST(EncodingDetectionTest, AsciiInFrontIsHandedOnAtOnce) {
    EncodingDetector detector(TextEncoding::Auto);
    const std::string ascii(100000, 'a');
    EncodingDetector::Step step = detector.Next(ascii, false);
    EXPECT_EQ(step.ready, ascii.size());
    EXPECT_FALSE(detector.decided());
    // The first byte that is not ASCII: everything before it goes, it is held.
    step = detector.Next("ab" + kUtf8Chapter, false);
    EXPECT_EQ(step.ready, 2u);
    step = detector.Next(kUtf8Chapter, false);
    EXPECT_EQ(step.ready, 0u);
    EXPECT_FALSE(detector.decided());
    step = detector.Next(kUtf8Chapter, true);
    EXPECT_EQ(step.ready, kUtf8Chapter.size());
    EXPECT_EQ(detector.encoding(), TextEncoding::Utf8);
}

TEST(EncodingDetectionTest, GbkIsKnownWithinAFewKilobytes) {
    // A wrong UTF-8 guess is given up once the rest of the judged bytes could no longer
    // make up for the invalid sequences seen, not at the end of the file.
    EncodingDetector detector(TextEncoding::Auto);
    const std::string gbk = Repeat(kGbkChapter, 2000); // 12 KB
    const EncodingDetector::Step step = detector.Next(gbk, false);
    EXPECT_TRUE(detector.decided());
    EXPECT_EQ(detector.encoding(), TextEncoding::Auto);
    EXPECT_EQ(step.ready, gbk.size());
    EXPECT_EQ(step.decoder, &DecoderFor(TextEncoding::Auto));
}

TEST(EncodingDetectionTest, LongDocumentsAreJudgedOnTheirFirstMegabytes) {
    // Valid UTF-8 up to the end of the judged bytes: UTF-8, whatever follows.
    std::string bytes = Utf8With(EncodingDetector::kEvidenceBytes / 3 + 10, 0);
    bytes += Repeat("\xFF", 10000);
    EXPECT_EQ(Detect(bytes, 1 << 15), TextEncoding::Utf8);
    // Decided with the judged bytes: nothing beyond them has to be held.
    EncodingDetector detector(TextEncoding::Auto);
    const std::string judged = bytes.substr(0, EncodingDetector::kEvidenceBytes + 3);
    EXPECT_EQ(detector.Next(judged, false).ready, judged.size());
    EXPECT_EQ(detector.encoding(), TextEncoding::Utf8);
}

} // namespace
} // namespace lumio
