#pragma once

#include "reader/memory_file.h"
#include "reader/reading_places.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace lumio {

// The reading memory's file as the memory uses it.
class MemoryStorage {
public:
    virtual ~MemoryStorage() = default;
    // The file's bytes; a file not written yet reads as none. False, with the reason in
    // `error`, when it is there but cannot be read.
    virtual bool Read(std::string& bytes, std::string& error) = 0;
    // Replaces the file whole; false, with the reason, when it could not.
    virtual bool Write(std::string_view bytes, std::string& error) = 0;
};

struct ReadingMemoryParts {
    MemoryStorage& storage;
    // A document's name as the key of its place (see FullPath).
    std::function<std::u16string(std::u16string_view)> fullPath;
    // A steady clock in milliseconds.
    std::function<std::int64_t()> nowMs;
    // Tells the user, in one line, what went wrong with the memory's file.
    std::function<void(std::string_view)> warn;
};

// Remembers where each document stopped, per document, across runs. The file is read
// when a document is opened and read again just before each write, so two programs
// running at once keep each other's places; it is written only when a place changed,
// and while reading at most once a minute. A file that cannot be read or written costs
// the memory, never the reading: the user is told once, in one line.
class ReadingMemory : public ReadingPlaces {
public:
    static constexpr std::int64_t kSaveEveryMs = 60'000;

    explicit ReadingMemory(ReadingMemoryParts parts);

    void Leave(std::int32_t readPos) override;
    std::int32_t Resume(std::u16string_view path, std::size_t length) override;
    void Keep(std::int32_t readPos) override;
    void Ticked(std::int32_t readPos) override;
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override { enabled_ = enabled; }

    // How many times the file was written, for the tests and the figures.
    std::int64_t writes() const { return writes_; }

private:
    std::vector<Place> ReadPlaces();

    ReadingMemoryParts parts_;
    bool enabled_ = true;
    // The document being read: its key and length. None before the first document and
    // for an empty one, which has no place worth keeping.
    std::optional<Place> current_;
    std::optional<Place> saved_; // what the file last said for it
    std::int64_t savedAtMs_ = 0;
    std::int64_t writes_ = 0;
    bool warnedRead_ = false;
    bool warnedWrite_ = false;
};

// The memory's file in the user's state folder; none when the system names no such
// folder.
std::optional<std::u16string> ReadingMemoryFile();

// The memory on its file in the state folder, with the system's clock and full paths,
// warnings going to `warn`. Null when there is no state folder (told through `warn`).
std::unique_ptr<ReadingMemory> OpenReadingMemory(std::function<void(std::string_view)> warn);

// The reading memory's file through the system's file services.
class FileMemoryStorage : public MemoryStorage {
public:
    explicit FileMemoryStorage(std::u16string path) : path_(std::move(path)) {}
    bool Read(std::string& bytes, std::string& error) override;
    bool Write(std::string_view bytes, std::string& error) override;
    const std::u16string& path() const { return path_; }

private:
    std::u16string path_;
};

} // namespace lumio
