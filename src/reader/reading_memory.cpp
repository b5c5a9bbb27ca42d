#include "reader/reading_memory.h"

#include "platform/state_files.h"
#include "platform/utf.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <utility>

namespace lumio {

namespace {

constexpr std::u16string_view kFileName = u"reading-memory.txt";

std::int32_t ClampedLength(std::size_t length) {
    constexpr auto kMax = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(std::min(length, kMax));
}

// The file together with the memory that uses it.
struct StorageHolder {
    explicit StorageHolder(std::u16string path) : storage(std::move(path)) {}
    FileMemoryStorage storage;
};

class DiskReadingMemory : private StorageHolder, public ReadingMemory {
public:
    DiskReadingMemory(std::u16string path, std::function<void(std::string_view)> warn)
        : StorageHolder(std::move(path)),
          ReadingMemory({storage, [](std::u16string_view p) { return FullPath(p); },
                         [] {
                             return std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::chrono::steady_clock::now().time_since_epoch())
                                 .count();
                         },
                         std::move(warn)}) {}
};

} // namespace

ReadingMemory::ReadingMemory(ReadingMemoryParts parts) : parts_(std::move(parts)) {}

std::vector<Place> ReadingMemory::ReadPlaces() {
    std::string bytes;
    std::string error;
    if (!parts_.storage.Read(bytes, error)) {
        if (!std::exchange(warnedRead_, true)) {
            parts_.warn("the reading memory cannot be read (" + error +
                        "); reading goes on without the places it held");
        }
        return {};
    }
    MemoryFileContents contents = ParseMemoryFile(bytes);
    if ((contents.damaged || contents.skippedLines > 0) && !std::exchange(warnedRead_, true)) {
        parts_.warn(contents.damaged
                        ? std::string("the reading memory is damaged; it starts afresh")
                        : "the reading memory had " + std::to_string(contents.skippedLines) +
                              " damaged line(s); they are left out");
    }
    return std::move(contents.places);
}

std::int32_t ReadingMemory::Resume(std::u16string_view path, std::size_t length) {
    current_.reset();
    saved_.reset();
    savedAtMs_ = parts_.nowMs();
    if (length == 0) {
        return 0;
    }
    current_ = Place{parts_.fullPath(path), 0, ClampedLength(length)};
    if (!enabled_) {
        return 0;
    }
    const std::vector<Place> places = ReadPlaces();
    const auto found = std::find_if(places.begin(), places.end(),
                                    [this](const Place& p) { return p.path == current_->path; });
    if (found == places.end()) {
        return 0;
    }
    saved_ = *found;
    // A shorter document has been edited or replaced: the place no longer means anything
    // in it. A longer one (a serial that gained chapters) goes on where it stopped.
    if (current_->length < found->length) {
        return 0;
    }
    return found->position;
}

void ReadingMemory::Keep(std::int32_t readPos) {
    if (!enabled_ || !current_) {
        return;
    }
    Place place = *current_;
    // Past the end (the view draining, or the start-point slider beyond the text) is the
    // end: the next open shows the last view.
    place.position = std::clamp(readPos, 0, place.length);
    savedAtMs_ = parts_.nowMs();
    if (saved_ == place) {
        return;
    }
    std::vector<Place> places = ReadPlaces();
    PutFirst(places, place);
    std::string error;
    ++writes_;
    if (!parts_.storage.Write(FormatMemoryFile(places), error)) {
        if (!std::exchange(warnedWrite_, true)) {
            parts_.warn("the reading memory cannot be saved (" + error +
                        "); reading goes on without it");
        }
        return;
    }
    saved_ = std::move(place);
}

void ReadingMemory::Ticked(std::int32_t readPos) {
    if (current_ && parts_.nowMs() - savedAtMs_ >= kSaveEveryMs) {
        Keep(readPos);
    }
}

void ReadingMemory::Leave(std::int32_t readPos) {
    Keep(readPos);
    current_.reset();
    saved_.reset();
}

std::optional<std::u16string> ReadingMemoryFile() {
    const std::u16string folder = StateFolder();
    if (folder.empty()) {
        return std::nullopt;
    }
    return PathInFolder(folder, kFileName);
}

std::unique_ptr<ReadingMemory> OpenReadingMemory(std::function<void(std::string_view)> warn) {
    std::optional<std::u16string> file = ReadingMemoryFile();
    if (!file) {
        warn("no home or state folder to keep the reading memory in; reading goes on without it");
        return nullptr;
    }
    return std::make_unique<DiskReadingMemory>(std::move(*file), std::move(warn));
}

bool FileMemoryStorage::Read(std::string& bytes, std::string& error) {
    return ReadWholeFile(path_, bytes, error);
}

bool FileMemoryStorage::Write(std::string_view bytes, std::string& error) {
    return ReplaceWholeFile(path_, bytes, error);
}

} // namespace lumio
