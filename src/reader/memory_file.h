#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumio {

// Where one book stopped: the document's full path, the reading position and the
// document's length in characters (UTF-16 units) when it was read.
struct Place {
    std::u16string path;
    std::int32_t position = 0;
    std::int32_t length = 0;

    bool operator==(const Place&) const = default;
};

// The reading memory's file: UTF-8 text, a first line that names the format, then one
// book a line, the most recently read first:
//
//     lumio reading memory 1
//     <position> TAB <length> TAB <path>
//
// The numbers are decimal, 0 <= position <= length < 2^31. The path is the system's
// file name with %, control characters (the tab and line ends among them) and bytes that
// are not UTF-8 written as %HH, so any name the system gives can be found again.
inline constexpr std::string_view kMemoryFileHeader = "lumio reading memory 1";
inline constexpr std::size_t kMaxPlaces = 500;

struct MemoryFileContents {
    std::vector<Place> places;    // at most kMaxPlaces, no path twice
    bool damaged = false;         // not a memory file at all: nothing in it was read
    std::size_t skippedLines = 0; // lines that held no place and were left out
};

// Reads a memory file's bytes. A damaged line is skipped, never guessed at: an entry
// comes only from a complete line that says exactly one place. A line that ends without
// its line feed may have been cut short and is skipped too. A path seen before (an
// older place of the same book) is dropped.
MemoryFileContents ParseMemoryFile(std::string_view bytes);

// The file's bytes for `places`, in their order (the first kMaxPlaces of them).
std::string FormatMemoryFile(const std::vector<Place>& places);

// `place` becomes the first of `places`, replacing an older place of the same path; the
// least recently read are dropped beyond kMaxPlaces.
void PutFirst(std::vector<Place>& places, Place place);

} // namespace lumio
