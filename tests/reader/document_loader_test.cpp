#include "fake_controls.h"
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

} // namespace
} // namespace lumio::testing
