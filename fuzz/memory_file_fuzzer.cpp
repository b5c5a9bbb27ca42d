// The reading memory's file reader: any bytes read without a crash; every place it
// reads is what one whole line of the input says, in the input's order; and what it
// saves reads back equal, and saves again the same.

#include "reader/memory_file.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using namespace lumio;

namespace {

// The place one line says on its own, if it says one.
std::optional<Place> PlaceOfLine(std::string_view line) {
    std::string alone(kMemoryFileHeader);
    alone += '\n';
    alone += line;
    alone += '\n';
    const MemoryFileContents read = ParseMemoryFile(alone);
    if (read.places.size() > 1) {
        __builtin_trap(); // one line, one place at most
    }
    return read.places.empty() ? std::nullopt : std::optional<Place>(read.places.front());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const MemoryFileContents read = ParseMemoryFile(bytes);
    if (read.places.size() > kMaxPlaces || (read.damaged && !read.places.empty())) {
        __builtin_trap();
    }
    for (const Place& p : read.places) {
        if (p.position < 0 || p.position > p.length || p.path.empty()) {
            __builtin_trap();
        }
    }

    // No entry invented: the places are a subsequence of the complete lines' own places.
    std::size_t next = 0;
    const std::size_t headerEnd = bytes.find('\n');
    for (std::size_t at = headerEnd == std::string_view::npos ? bytes.size() : headerEnd + 1;
         at < bytes.size() && next < read.places.size();) {
        const std::size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos) {
            break; // a line cut short says nothing
        }
        if (PlaceOfLine(bytes.substr(at, end - at)) == read.places[next]) {
            ++next;
        }
        at = end + 1;
    }
    if (next != read.places.size()) {
        __builtin_trap();
    }

    // What it saves reads back equal.
    const std::string saved = FormatMemoryFile(read.places);
    const MemoryFileContents again = ParseMemoryFile(saved);
    if (again.damaged || again.skippedLines != 0 || again.places != read.places ||
        FormatMemoryFile(again.places) != saved) {
        __builtin_trap();
    }
    return 0;
}
