#include "place_printer.h"
#include "platform/utf.h"
#include "reader/reading_memory.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lumio::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

// The memory's file in memory, failing on demand; shared by several memories as one
// file on disk is by several running programs.
class FakeStorage : public MemoryStorage {
public:
    bool Read(std::string& bytes, std::string& error) override {
        ++reads;
        if (readFails) {
            error = "Permission denied";
            return false;
        }
        bytes = file;
        return true;
    }
    bool Write(std::string_view bytes, std::string& error) override {
        if (writeFails) {
            error = "No space left on device";
            return false;
        }
        file = bytes;
        ++writes;
        return true;
    }

    std::string file;
    bool readFails = false;
    bool writeFails = false;
    int reads = 0;
    int writes = 0;
};

// One running program's memory over a shared storage, its clock and its warnings.
struct Program {
    explicit Program(FakeStorage& storage)
        : memory({storage, [](std::u16string_view p) { return u"/home/r" + std::u16string(p); },
                  [this] { return now; },
                  [this](std::string_view w) { warnings.emplace_back(w); }}) {}

    std::int64_t now = 1'000'000;
    std::vector<std::string> warnings;
    ReadingMemory memory;
};

std::vector<Place> PlacesIn(const FakeStorage& storage) {
    return ParseMemoryFile(storage.file).places;
}

TEST(ReadingMemoryTest, ReadExitReopenResumes) {
    FakeStorage storage;
    {
        Program first(storage);
        EXPECT_EQ(first.memory.Resume(u"/novel.txt", 1000), 0) << "never read before";
        first.memory.Keep(600); // the program ends at 60 %
    }
    EXPECT_THAT(PlacesIn(storage), ElementsAre(Place{u"/home/r/novel.txt", 600, 1000}));
    Program second(storage);
    EXPECT_EQ(second.memory.Resume(u"/novel.txt", 1000), 600);
    EXPECT_THAT(second.warnings, IsEmpty());
}

TEST(ReadingMemoryTest, DocumentLengthDecidesWhetherThePlaceStillMeansAnything) {
    struct Case {
        std::size_t lengthNow;
        std::int32_t resumed;
    };
    // Remembered: 600 of 1000. Shorter: edited or replaced, from the start. Longer (a
    // serial that gained chapters): where it stopped.
    for (const Case c : {Case{1000, 600}, Case{999, 0}, Case{601, 0}, Case{10, 0}, Case{1001, 600},
                         Case{5000000, 600}}) {
        FakeStorage storage;
        storage.file = FormatMemoryFile({{u"/home/r/a.txt", 600, 1000}});
        Program p(storage);
        EXPECT_EQ(p.memory.Resume(u"/a.txt", c.lengthNow), c.resumed) << c.lengthNow;
    }
}

TEST(ReadingMemoryTest, PlaceIsWrittenOnlyWhenItChanged) {
    FakeStorage storage;
    Program p(storage);
    p.memory.Resume(u"/a.txt", 100);
    p.memory.Keep(10);
    p.memory.Keep(10); // paused twice at the same place
    EXPECT_EQ(storage.writes, 1);
    p.memory.Keep(11);
    EXPECT_EQ(storage.writes, 2);

    Program again(storage);
    EXPECT_EQ(again.memory.Resume(u"/a.txt", 100), 11);
    again.memory.Keep(11); // resumed and left where it was: nothing to write
    EXPECT_EQ(storage.writes, 2);
}

TEST(ReadingMemoryTest, PositionPastTheEndIsKeptAsTheEnd) {
    FakeStorage storage;
    Program p(storage);
    p.memory.Resume(u"/a.txt", 100);
    p.memory.Keep(100 + 201); // drained to an empty view
    EXPECT_THAT(PlacesIn(storage), ElementsAre(Place{u"/home/r/a.txt", 100, 100}));
    p.memory.Keep(2147483647); // the start-point slider far beyond the text
    EXPECT_THAT(PlacesIn(storage), ElementsAre(Place{u"/home/r/a.txt", 100, 100}));
    EXPECT_EQ(storage.writes, 1);
}

TEST(ReadingMemoryTest, EmptyDocumentAndNoDocumentKeepNothing) {
    FakeStorage storage;
    Program p(storage);
    p.memory.Keep(5); // nothing open yet
    p.memory.Ticked(5);
    EXPECT_EQ(p.memory.Resume(u"/empty.txt", 0), 0);
    p.memory.Keep(1);
    p.memory.Leave(1);
    EXPECT_EQ(storage.writes, 0);
    EXPECT_EQ(storage.reads, 0);
}

TEST(ReadingMemoryTest, WhileReadingTheFileIsWrittenAtMostOnceAMinute) {
    FakeStorage storage;
    Program p(storage);
    p.memory.Resume(u"/a.txt", 1'000'000);
    std::int32_t pos = 0;
    // Four minutes of ticks at 4 ms each.
    for (int tick = 0; tick < 60'000; ++tick) {
        p.now += 4;
        p.memory.Ticked(++pos);
    }
    EXPECT_EQ(storage.writes, 4);
    EXPECT_THAT(PlacesIn(storage), ElementsAre(Place{u"/home/r/a.txt", 60'000, 1'000'000}));

    // A pause restarts the minute.
    p.now += 30'000;
    p.memory.Keep(pos += 5);
    EXPECT_EQ(storage.writes, 5);
    p.now += 59'999;
    p.memory.Ticked(++pos);
    EXPECT_EQ(storage.writes, 5);
    p.now += 1;
    p.memory.Ticked(++pos);
    EXPECT_EQ(storage.writes, 6);
}

TEST(ReadingMemoryTest, LeavingKeepsThePlaceAndForgetsTheDocument) {
    FakeStorage storage;
    Program p(storage);
    p.memory.Resume(u"/a.txt", 100);
    p.memory.Leave(40);
    p.memory.Keep(99); // no document now
    EXPECT_EQ(p.memory.Resume(u"/b.txt", 50), 0);
    p.memory.Keep(7);
    EXPECT_THAT(PlacesIn(storage),
                ElementsAre(Place{u"/home/r/b.txt", 7, 50}, Place{u"/home/r/a.txt", 40, 100}));
}

TEST(ReadingMemoryTest, TwoProgramsSavingOneAfterTheOtherKeepBothPlaces) {
    FakeStorage storage;
    Program one(storage);
    Program two(storage);
    one.memory.Resume(u"/a.txt", 100);
    two.memory.Resume(u"/b.txt", 100);
    one.memory.Keep(10);
    two.memory.Keep(20);
    one.memory.Keep(11);
    EXPECT_THAT(PlacesIn(storage),
                ElementsAre(Place{u"/home/r/a.txt", 11, 100}, Place{u"/home/r/b.txt", 20, 100}));
}

TEST(ReadingMemoryTest, SwitchedOffItNeitherReadsNorWrites) {
    FakeStorage storage;
    storage.file = FormatMemoryFile({{u"/home/r/a.txt", 30, 100}});
    Program p(storage);
    p.memory.SetEnabled(false);
    EXPECT_EQ(p.memory.Resume(u"/a.txt", 100), 0);
    p.memory.Keep(50);
    p.now += 120'000;
    p.memory.Ticked(51);
    EXPECT_EQ(storage.reads, 0);
    EXPECT_EQ(storage.writes, 0);
    p.memory.SetEnabled(true); // on again in the same run: the place is kept from now on
    p.memory.Keep(52);
    EXPECT_THAT(PlacesIn(storage), ElementsAre(Place{u"/home/r/a.txt", 52, 100}));
}

TEST(ReadingMemoryTest, UnreadableFileCostsTheMemoryNotTheReadingAndIsToldOnce) {
    FakeStorage storage;
    storage.file = FormatMemoryFile({{u"/home/r/a.txt", 30, 100}});
    storage.readFails = true;
    Program p(storage);
    EXPECT_EQ(p.memory.Resume(u"/a.txt", 100), 0);
    EXPECT_EQ(p.memory.Resume(u"/a.txt", 100), 0);
    p.memory.Keep(5);
    ASSERT_THAT(p.warnings, ElementsAre(HasSubstr("cannot be read (Permission denied)")));
    EXPECT_THAT(PlacesIn(storage), ElementsAre(Place{u"/home/r/a.txt", 5, 100}))
        << "what it could not read, it writes afresh";
}

TEST(ReadingMemoryTest, FileThatCannotBeWrittenIsToldOnceAndReadingGoesOn) {
    FakeStorage storage;
    storage.writeFails = true;
    Program p(storage);
    p.memory.Resume(u"/a.txt", 100);
    p.memory.Keep(1);
    p.memory.Keep(2);
    p.memory.Leave(3);
    EXPECT_THAT(p.warnings, ElementsAre(HasSubstr("cannot be saved (No space left on device)")));
    EXPECT_EQ(storage.file, "");
    storage.writeFails = false; // the disk has room again: the next place is kept
    p.memory.Resume(u"/a.txt", 100);
    p.memory.Keep(4);
    EXPECT_THAT(PlacesIn(storage), ElementsAre(Place{u"/home/r/a.txt", 4, 100}));
}

TEST(ReadingMemoryTest, DamagedFileOrLinesAreToldOnceAndReplacedAtTheNextSave) {
    for (const std::string& file :
         {std::string("\x00\x01garbage", 9),
          std::string(kMemoryFileHeader) + "\nbad line\n30\t100\t/home/r/a.txt\n"}) {
        FakeStorage storage;
        storage.file = file;
        Program p(storage);
        const bool wholeFile = file[0] == '\0';
        EXPECT_EQ(p.memory.Resume(u"/a.txt", 100), wholeFile ? 0 : 30);
        p.memory.Keep(31);
        p.memory.Keep(32);
        EXPECT_THAT(p.warnings, ElementsAre(HasSubstr(wholeFile ? "damaged; it starts afresh"
                                                                : "1 damaged line(s)")));
        EXPECT_THAT(PlacesIn(storage), ElementsAre(Place{u"/home/r/a.txt", 32, 100}));
        EXPECT_EQ(ParseMemoryFile(storage.file).skippedLines, 0u);
    }
}

TEST(ReadingMemoryTest, TheKeyIsTheFullPath) {
    FakeStorage storage;
    Program p(storage);
    p.memory.Resume(u"/novel.txt", 10);
    p.memory.Keep(3);
    EXPECT_EQ(PlacesIn(storage).at(0).path, u"/home/r/novel.txt");
}

} // namespace
} // namespace lumio::testing
