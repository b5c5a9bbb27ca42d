#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string_view>

namespace lumio {

// Why a file could not be opened or read.
enum class FileErrorKind {
    None,
    NotFound,
    IsDirectory,
    NotRegularFile,
    AccessDenied,
    InvalidName,
    OpenFailed,
    ReadFailed,
    OutOfMemory,
};

struct FileError {
    FileErrorKind kind = FileErrorKind::None;
    int code = 0; // the system's error number, where there is one

    explicit operator bool() const { return kind != FileErrorKind::None; }
};

// A file opened for reading from its start to its end.
class ByteStream {
public:
    virtual ~ByteStream() = default;

    // Fills the front of `buffer`; returns the number of bytes read, 0 at the end of the
    // file or on failure (then `error` is set).
    virtual std::size_t Read(std::span<char> buffer, FileError& error) = 0;

    // The size the file had when it was opened (a hint: the file may change after).
    virtual std::uint64_t SizeHint() const = 0;
};

// Where documents come from. Tests give one that fails on demand.
class FileSource {
public:
    virtual ~FileSource() = default;

    // Opens `path` for reading; returns nullptr and sets `error` when it cannot.
    virtual std::unique_ptr<ByteStream> Open(std::u16string_view path, FileError& error) = 0;
};

} // namespace lumio
