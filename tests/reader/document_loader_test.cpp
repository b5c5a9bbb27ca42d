#include "fake_controls.h"
#include "platform/utf.h"
#include "reader/document_loader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lumio::testing {
namespace {

TEST(DocumentLoaderTest, OnlyPathsEndingInLowerCaseTxtAreDocuments) {
    const std::pair<std::u16string, bool> cases[] = {
        {u"a.txt", true},  {u".txt", true},    {u"/x/章节.txt", true}, {u"", false},
        {u"x.TXT", false}, {u"x.Txt", false},  {u"x.text", false},     {u"txt", false},
        {u"t", false},     {u"a.txt ", false}, {u"a.txt/", false},
    };
    for (const auto& [path, accepted] : cases) {
        EXPECT_EQ(IsTxtPath(path), accepted);
    }
}

TEST(DocumentLoaderTest, DecodesGbkLineByLine) {
    FakeFileSource files;
    // "　　中文" CRLF, "€ 1" CRLF, blank, "末" without a line end.
    files.files[u"a.txt"].bytes = "\xa1\xa1\xa1\xa1\xd6\xd0\xce\xc4\r\n\x80 1\r\n\r\n\xc4\xa9";
    const LoadedDocument loaded = LoadDocument(files, u"a.txt");
    EXPECT_FALSE(loaded.error);
    EXPECT_EQ(loaded.text, u"中文  € 1  末  ");
}

TEST(DocumentLoaderTest, BadBytesBecomeReplacementCharactersAndNothingIsLost) {
    FakeFileSource files;
    files.files[u"a.txt"].bytes = std::string("A\xff"
                                              "B\x81\r\nC\0D\xd6",
                                              10);
    const LoadedDocument loaded = LoadDocument(files, u"a.txt");
    EXPECT_EQ(loaded.text, std::u16string(u"A\uFFFDB\uFFFD  C\0D\uFFFD  ", 12));
}

TEST(DocumentLoaderTest, ReadsSplitAnywhereGiveTheSameDocument) {
    const std::string bytes = "\xa1\xa1\xd6\xd0\r\n\xce\xc4\xff\r\r\n  x\r\n";
    FakeFileSource files;
    files.files[u"whole.txt"].bytes = bytes;
    const std::u16string whole = LoadDocument(files, u"whole.txt").text;
    ASSERT_EQ(whole, u"中  文\uFFFD  x  ");
    for (std::size_t size = 1; size <= 4; ++size) {
        files.files[u"split.txt"] = ReadInPieces(bytes, size);
        EXPECT_EQ(LoadDocument(files, u"split.txt").text, whole) << size;
    }
}

TEST(DocumentLoaderTest, FailuresKeepNoHalfDocument) {
    FakeFileSource files;
    files.files[u"mid.txt"] = FailingRead(std::string(3 << 20, 'a'), 2 << 20);
    // Large enough to be read ahead on a second thread.
    files.files[u"large.txt"] = FailingRead(std::string(40 << 20, 'a'), 33 << 20, 1 << 20);
    files.files[u"dir.txt"] = FailingOpen(FileErrorKind::IsDirectory, 21);
    const std::pair<std::u16string, FileErrorKind> cases[] = {
        {u"mid.txt", FileErrorKind::ReadFailed},
        {u"large.txt", FileErrorKind::ReadFailed},
        {u"dir.txt", FileErrorKind::IsDirectory},
        {u"gone.txt", FileErrorKind::NotFound},
    };
    for (const auto& [path, kind] : cases) {
        const LoadedDocument loaded = LoadDocument(files, path);
        EXPECT_EQ(loaded.error.kind, kind);
        EXPECT_TRUE(loaded.text.empty());
    }
}

TEST(DocumentLoaderTest, FiftyMegabytesWithoutALineBreak) {
    FakeFileSource files;
    // One space, then 中 again and again: every 1 MB read ends inside a character.
    std::string bytes(50u << 20, ' ');
    for (std::size_t i = 1; i + 1 < bytes.size(); i += 2) {
        bytes[i] = '\xd6';
        bytes[i + 1] = '\xd0';
    }
    bytes.back() = '\xd6'; // and a character cut off by the end of the file
    files.files[u"big.txt"].bytes = std::move(bytes);
    const LoadedDocument loaded = LoadDocument(files, u"big.txt");
    ASSERT_FALSE(loaded.error);
    ASSERT_EQ(loaded.text.size(), (25u << 20) + 2);
    EXPECT_EQ(loaded.text.find_first_not_of(u'中'), (25u << 20) - 1);
    EXPECT_EQ(loaded.text.substr(loaded.text.size() - 3), u"\uFFFD  ");
}

TEST(DocumentLoaderTest, OnlyFilesBeyondWhatASlowReadDoesInABlinkTakeLong) {
    const std::pair<std::uint64_t, bool> cases[] = {
        {0, false},         {1 << 20, false},  {15'000'000, false},
        {15'000'001, true}, {100 << 20, true}, {UINT64_MAX, true},
    };
    for (const auto& [size, takesLong] : cases) {
        EXPECT_EQ(LoadTakesLong(size), takesLong) << size;
    }
}

TEST(DocumentLoaderTest, BusyCursorShowsAroundTheReadOfALargeFileOnly) {
    using ::testing::ElementsAre;
    CallLog log;
    FakeBusyCursor busy(log);
    FakeFileSource files(&log);
    files.files[u"big.txt"].bytes = "\xd6\xd0";
    files.files[u"big.txt"].sizeHint = 15'000'001;
    files.files[u"small.txt"].bytes = "x";
    files.files[u"small.txt"].sizeHint = 15'000'000;
    files.files[u"failing.txt"] = FailingRead("abc", 1);
    files.files[u"failing.txt"].sizeHint = 1ull << 30;
    files.files[u"locked.txt"] = FailingOpen(FileErrorKind::AccessDenied, 13);

    EXPECT_EQ(LoadDocument(files, u"big.txt", &busy).text, u"中  ");
    EXPECT_THAT(log.Take(), ElementsAre("open big.txt", "busy.Show", "busy.Hide"));
    EXPECT_EQ(LoadDocument(files, u"small.txt", &busy).text, u"x  ");
    EXPECT_THAT(log.Take(), ElementsAre("open small.txt"));
    // A failed read still gives the cursor back; a file that does not open never shows it.
    EXPECT_EQ(LoadDocument(files, u"failing.txt", &busy).error.kind, FileErrorKind::ReadFailed);
    EXPECT_THAT(log.Take(), ElementsAre("open failing.txt", "busy.Show", "busy.Hide"));
    EXPECT_EQ(LoadDocument(files, u"locked.txt", &busy).error.kind, FileErrorKind::AccessDenied);
    EXPECT_THAT(log.Take(), ElementsAre("open locked.txt"));
    // Without a cursor a large file loads all the same.
    EXPECT_EQ(LoadDocument(files, u"big.txt", nullptr).text, u"中  ");
}

// "第一章" CRLF "　　正文𠀀。" in each encoding.
const std::u16string kNovelText = u"第一章  正文\U00020000。  ";
const std::string kNovelUtf8 = "\xE7\xAC\xAC\xE4\xB8\x80\xE7\xAB\xA0\r\n"
                               "\xE3\x80\x80\xE3\x80\x80\xE6\xAD\xA3\xE6\x96\x87"
                               "\xF0\xA0\x80\x80\xE3\x80\x82\r\n";
const std::string kNovelUtf16Le = std::string("\x2C\x7B\x00\x4E\xE0\x7A\x0D\x00\x0A\x00"
                                              "\x00\x30\x00\x30\x63\x6B\x87\x65"
                                              "\x40\xD8\x00\xDC\x02\x30\x0D\x00\x0A\x00",
                                              28);
const std::string kNovelGb18030 = "\xB5\xDA\xD2\xBB\xD5\xC2\r\n"
                                  "\xA1\xA1\xA1\xA1\xD5\xFD\xCE\xC4"
                                  "\x95\x32\x82\x36\xA1\xA3\r\n";

std::string Swapped(std::string utf16) {
    for (std::size_t i = 0; i + 1 < utf16.size(); i += 2) {
        std::swap(utf16[i], utf16[i + 1]);
    }
    return utf16;
}

TEST(DocumentLoaderTest, EachEncodingIsFoundOrNamedAndReadsRight) {
    struct EncodingCase {
        const char* name;
        std::string bytes;
        TextEncoding encoding;
    };
    const EncodingCase cases[] = {
        {"UTF-8", kNovelUtf8, TextEncoding::Auto},
        {"UTF-8 with its mark", "\xEF\xBB\xBF" + kNovelUtf8, TextEncoding::Auto},
        {"UTF-16LE with its mark", "\xFF\xFE" + kNovelUtf16Le, TextEncoding::Auto},
        {"UTF-16BE with its mark", "\xFE\xFF" + Swapped(kNovelUtf16Le), TextEncoding::Auto},
        {"GB18030's four-byte sequences in GBK", kNovelGb18030, TextEncoding::Auto},
        {"UTF-8 named", kNovelUtf8, TextEncoding::Utf8},
        {"UTF-16LE named, no mark", kNovelUtf16Le, TextEncoding::Utf16Le},
        {"UTF-16BE named, its mark", "\xFE\xFF" + Swapped(kNovelUtf16Le), TextEncoding::Utf16Be},
        {"GB18030 named", kNovelGb18030, TextEncoding::Gb18030},
    };
    for (const auto& c : cases) {
        for (std::size_t size = 1; size <= 5; size += 4) {
            FakeFileSource files;
            files.files[u"a.txt"] = ReadInPieces(c.bytes, size);
            const LoadedDocument loaded = LoadDocument(files, u"a.txt", nullptr, c.encoding);
            EXPECT_FALSE(loaded.error) << c.name;
            EXPECT_EQ(loaded.text, kNovelText) << c.name << " in reads of " << size;
        }
    }
}

TEST(DocumentLoaderTest, GbkNamedReadsExactlyAsCodePage936) {
    FakeFileSource files;
    files.files[u"a.txt"].bytes = "\x95\x32\x82\x36\xD6\xD0";
    EXPECT_EQ(LoadDocument(files, u"a.txt", nullptr, TextEncoding::Gbk).text,
              u"\uFFFD2\uFFFD6中  ");
    EXPECT_EQ(LoadDocument(files, u"a.txt").text, u"\U00020000中  ");
    // Valid UTF-8 read as GBK when GBK is named, and as Big5 when Big5 is.
    files.files[u"b.txt"].bytes = "\xE4\xB8\xAD";
    EXPECT_EQ(LoadDocument(files, u"b.txt", nullptr, TextEncoding::Gbk).text, u"涓\uFFFD  ");
    EXPECT_EQ(LoadDocument(files, u"b.txt").text, u"中  ");
    files.files[u"c.txt"].bytes = "\xA4\xA4\xA4\xE5";
    EXPECT_EQ(LoadDocument(files, u"c.txt", nullptr, TextEncoding::Big5).text, u"中文  ");
}

TEST(DocumentLoaderTest, LargeDocumentsInEveryEncodingReadAheadAndRight) {
    // Larger than the bytes detection judges and than the read-ahead threshold, in reads
    // that end inside characters.
    std::u16string line;
    for (int i = 0; i < 200; ++i) {
        line += u"中文\U00020000 ab";
    }
    std::string utf8;
    std::string utf16;
    std::size_t lines = 0;
    while (utf8.size() < (20u << 20)) {
        utf8 += ToUtf8(line) + "\r\n";
        ++lines;
    }
    for (std::size_t i = 0; i < lines; ++i) {
        for (const char16_t u : line + u"\r\n") {
            utf16 += static_cast<char>(u & 0xFF);
            utf16 += static_cast<char>(u >> 8);
        }
    }
    std::u16string expected;
    for (std::size_t i = 0; i < lines; ++i) {
        expected += line + u"  ";
    }
    FakeFileSource files;
    files.files[u"utf8.txt"] = ReadInPieces(utf8, 1000001);
    files.files[u"utf16.txt"] = ReadInPieces("\xFF\xFE" + utf16, 1000001);
    for (const std::u16string path : {u"utf8.txt", u"utf16.txt"}) {
        const LoadedDocument loaded = LoadDocument(files, path);
        ASSERT_FALSE(loaded.error);
        EXPECT_TRUE(loaded.text == expected) << "the text of " << ToUtf8(path) << " differs";
    }
}

TEST(DocumentLoaderTest, AUtf8NovelHeldWhileDetectionJudgesItStaysInItsReserve) {
    // Smaller than what detection judges, so it lets the whole text through at once: the
    // text must still be written into the room reserved for the file, not regrown.
    std::string utf8;
    while (utf8.size() < (1u << 20)) {
        utf8 += "第一章 春眠不觉晓，处处闻啼鸟。\r\n";
    }
    FakeFileSource files;
    files.files[u"novel.txt"] = ReadInPieces(utf8, 100003);
    const LoadedDocument loaded = LoadDocument(files, u"novel.txt");
    ASSERT_FALSE(loaded.error);
    ASSERT_EQ(loaded.text.substr(0, 8), u"第一章 春眠不觉");
    EXPECT_LE(loaded.text.capacity(), utf8.size() + utf8.size() / 8 + 16);
}

TEST(DocumentLoaderTest, ShortLinesOutgrowTheReserveWhilePagesAreGivenAhead) {
    // 16 MB of one-character lines: three units of text for every two bytes, more than
    // the reserve, while the read-ahead thread gives the reserve its pages.
    std::string bytes;
    bytes.reserve(16u << 20);
    while (bytes.size() < (16u << 20)) {
        bytes += "a\r";
    }
    FakeFileSource files;
    files.files[u"short.txt"].bytes = bytes;
    const LoadedDocument loaded = LoadDocument(files, u"short.txt");
    ASSERT_FALSE(loaded.error);
    ASSERT_EQ(loaded.text.size(), bytes.size() / 2 * 3);
    EXPECT_EQ(loaded.text.find_first_not_of(u"a "), std::u16string::npos);
    EXPECT_EQ(loaded.text.substr(loaded.text.size() - 6), u"a  a  ");
}

} // namespace
} // namespace lumio::testing
