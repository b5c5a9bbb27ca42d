#include "place_printer.h"
#include "platform/utf.h"
#include "reader/memory_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lumio::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string Header() {
    return std::string(kMemoryFileHeader) + "\n";
}

TEST(MemoryFileTest, WritesOneBookALineMostRecentFirst) {
    const std::vector<Place> places = {{u"/home/读者/小说.txt", 1234, 500000},
                                       {u"/tmp/a.txt", 0, 10}};
    EXPECT_EQ(FormatMemoryFile(places), Header() + "1234\t500000\t/home/读者/小说.txt\n"
                                                   "0\t10\t/tmp/a.txt\n");
    EXPECT_EQ(FormatMemoryFile({}), Header());
}

TEST(MemoryFileTest, NamesOfAnyBytesComeBackTheSame) {
    // Names with the separator, line ends, a backslash, control characters, and bytes
    // that are not UTF-8 (a GBK name, as the system hands it over), beside real
    // characters outside the BMP.
    const std::vector<std::u16string> names = {
        u"/a\tb.txt",
        u"/line\nbreak\r.txt",
        u"C:\\Users\\读者\\书.txt",
        u"/bell\x07\x1F\x7F.txt",
        PathFromNative("/\xCA\xE9.txt"), // 书 in GBK
        u"/\U0001F4D6 book.txt",
        u"/100%25 is not an escape%.txt",
    };
    std::vector<Place> places;
    for (const std::u16string& name : names) {
        places.push_back({name, 1, 2});
    }
    const std::string bytes = FormatMemoryFile(places);
    EXPECT_TRUE(FromUtf8Strict(bytes).has_value()) << "the file is UTF-8 text";
    EXPECT_EQ(std::count(bytes.begin(), bytes.end(), '\n'), 1 + static_cast<long>(names.size()));
    const MemoryFileContents read = ParseMemoryFile(bytes);
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(read.skippedLines, 0u);
    EXPECT_EQ(read.places, places);
    EXPECT_NE(bytes.find("/%CA%E9.txt"), std::string::npos);
    EXPECT_NE(bytes.find("/a%09b.txt"), std::string::npos);
    EXPECT_NE(bytes.find("C:\\Users\\读者\\书.txt"), std::string::npos)
        << "Windows paths as they are";
    EXPECT_NE(bytes.find("/100%2525 is not an escape%25.txt"), std::string::npos);
}

TEST(MemoryFileTest, DamagedLinesAreSkippedAndNothingIsGuessed) {
    struct Case {
        const char* line;
        bool kept;
    };
    const Case cases[] = {
        {"5\t10\t/ok.txt", true},
        {"10\t10\t/at-the-end.txt", true},
        {"0\t0\t/empty.txt", true},
        {"2147483647\t2147483647\t/largest.txt", true},
        {"11\t10\t/past-the-end.txt", false},
        {"-1\t10\t/negative.txt", false},
        {"+1\t10\t/plus.txt", false},
        {"05\t10\t/leading-zero.txt", false},
        {"2147483648\t2147483648\t/too-large.txt", false},
        {"99999999999\t99999999999\t/far-too-large.txt", false},
        {"5 \t10\t/space.txt", false},
        {"5\t10", false},
        {"5\t10\t", false}, // no path
        {"5\t\t/no-length.txt", false},
        {"\t10\t/no-position.txt", false},
        {"five\t10\t/words.txt", false},
        {"5\t10\t/%41%2f%e4%b8%80.txt", true}, // escapes of bytes that needed none
        {"5\t10\t/bad%zzescape.txt", false},
        {"5\t10\t/cut%4", false},
        {"5\t10\t/nul%00.txt", false},
        {"5\t10\t/ends-in-percent%", false},
        {"5\t10\t/raw\x01"
         "control.txt",
         false},
        {"5\t10\t/raw\r", false},
        {"5\t10\t/not\xFFutf8.txt", false},
        {"", false},
        {"garbage", false},
    };
    std::string bytes = Header();
    std::size_t kept = 0;
    for (const Case& c : cases) {
        bytes += std::string(c.line) + "\n";
        kept += c.kept;
    }
    const MemoryFileContents read = ParseMemoryFile(bytes);
    EXPECT_FALSE(read.damaged);
    EXPECT_EQ(read.skippedLines, std::size(cases) - kept);
    EXPECT_THAT(read.places,
                ElementsAre(Place{u"/ok.txt", 5, 10}, Place{u"/at-the-end.txt", 10, 10},
                            Place{u"/empty.txt", 0, 0},
                            Place{u"/largest.txt", 2147483647, 2147483647},
                            Place{u"/A/一.txt", 5, 10}));
}

TEST(MemoryFileTest, LineCutShortAtTheEndIsSkipped) {
    // A line without its line feed may be a number cut short ("1234" written as "12").
    const MemoryFileContents read = ParseMemoryFile(Header() + "1\t2\t/a.txt\n12\t3000\t/b.txt");
    EXPECT_THAT(read.places, ElementsAre(Place{u"/a.txt", 1, 2}));
    EXPECT_EQ(read.skippedLines, 1u);
}

TEST(MemoryFileTest, WholeFileThatIsNoMemoryFileIsDamaged) {
    for (const std::string& bytes :
         {std::string("lumio reading memory 2\n1\t2\t/a.txt\n"), std::string("1\t2\t/a.txt\n"),
          std::string("\x89PNG\r\n\x1A\n"), Header().substr(0, 10),
          std::string(kMemoryFileHeader)}) {
        const MemoryFileContents read = ParseMemoryFile(bytes);
        EXPECT_TRUE(read.damaged) << bytes;
        EXPECT_THAT(read.places, IsEmpty());
    }
    const MemoryFileContents empty = ParseMemoryFile("");
    EXPECT_FALSE(empty.damaged) << "a memory not written yet";
    EXPECT_THAT(empty.places, IsEmpty());
}

TEST(MemoryFileTest, OlderPlaceOfTheSameBookIsDropped) {
    const MemoryFileContents read =
        ParseMemoryFile(Header() + "7\t9\t/a.txt\n1\t5\t/b.txt\n3\t9\t/a.txt\n");
    EXPECT_THAT(read.places, ElementsAre(Place{u"/a.txt", 7, 9}, Place{u"/b.txt", 1, 5}));
    EXPECT_EQ(read.skippedLines, 0u);
}

TEST(MemoryFileTest, FiveHundredBooksTheLeastRecentlyReadDropped) {
    std::vector<Place> places;
    for (int i = 0; i < 500; ++i) {
        PutFirst(places, {u"/book" + FromUtf8(std::to_string(i)) + u".txt", i, 1000});
    }
    ASSERT_EQ(places.size(), kMaxPlaces);
    EXPECT_EQ(places.front().path, u"/book499.txt");
    EXPECT_EQ(places.back().path, u"/book0.txt");

    PutFirst(places, {u"/book0.txt", 42, 1000}); // read again: first, not duplicated
    EXPECT_EQ(places.size(), kMaxPlaces);
    EXPECT_EQ(places.front(), (Place{u"/book0.txt", 42, 1000}));
    EXPECT_EQ(places.back().path, u"/book1.txt");

    PutFirst(places, {u"/new.txt", 1, 2}); // the 501st book pushes out the oldest
    EXPECT_EQ(places.size(), kMaxPlaces);
    EXPECT_EQ(places.back().path, u"/book2.txt");

    const MemoryFileContents read = ParseMemoryFile(FormatMemoryFile(places));
    EXPECT_EQ(read.places, places);
}

TEST(MemoryFileTest, FileWithMoreThanFiveHundredLinesKeepsTheFirstFiveHundred) {
    std::string bytes = Header();
    for (int i = 0; i < 600; ++i) {
        bytes += "1\t2\t/b" + std::to_string(i) + "\n";
    }
    const MemoryFileContents read = ParseMemoryFile(bytes);
    ASSERT_EQ(read.places.size(), kMaxPlaces);
    EXPECT_EQ(read.places.back().path, u"/b499");
    EXPECT_EQ(FormatMemoryFile(std::vector<Place>(600, Place{u"/x", 0, 0})).size(),
              Header().size() + 500 * std::string("0\t0\t/x\n").size());
}

} // namespace
} // namespace lumio::testing
