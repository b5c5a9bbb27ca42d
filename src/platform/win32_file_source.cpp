#include "platform/win32_file_source.h"

#include "platform/state_files.h"

#include <algorithm>
#include <limits>
#include <string>
#include <windows.h>

namespace lumio {

namespace {

FileErrorKind KindOfOpenError(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return FileErrorKind::NotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return FileErrorKind::AccessDenied;
    case ERROR_INVALID_NAME:
    case ERROR_FILENAME_EXCED_RANGE:
    case ERROR_BAD_PATHNAME:
    case ERROR_DIRECTORY:
        return FileErrorKind::InvalidName;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
        return FileErrorKind::OutOfMemory;
    default:
        return FileErrorKind::OpenFailed;
    }
}

bool StartsWith(std::wstring_view text, std::wstring_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

int Code(DWORD code) {
    return static_cast<int>(code);
}

class Win32ByteStream : public ByteStream {
public:
    Win32ByteStream(HANDLE file, std::uint64_t size) : file_(file), size_(size) {}
    ~Win32ByteStream() override { ::CloseHandle(file_); }
    Win32ByteStream(const Win32ByteStream&) = delete;
    Win32ByteStream& operator=(const Win32ByteStream&) = delete;

    std::size_t Read(std::span<char> buffer, FileError& error) override {
        // ReadFile counts in DWORDs: a larger buffer is filled in part, as read() may.
        const DWORD want = static_cast<DWORD>(
            std::min<std::size_t>(buffer.size(), std::numeric_limits<DWORD>::max()));
        DWORD got = 0;
        if (!::ReadFile(file_, buffer.data(), want, &got, nullptr)) {
            error = {FileErrorKind::ReadFailed, Code(::GetLastError())};
            return 0;
        }
        return got;
    }

    std::uint64_t SizeHint() const override { return size_; }

private:
    HANDLE file_;
    std::uint64_t size_;
};

} // namespace

std::wstring Win32FileSource::SystemName(std::u16string_view path) {
    const std::u16string absolute = FullPath(path);
    const std::wstring full(absolute.begin(), absolute.end());
    if (StartsWith(full, L"\\\\?\\") || StartsWith(full, L"\\\\.\\") ||
        StartsWith(full, L"\\??\\")) {
        return full; // already past the limit, or a device
    }
    if (StartsWith(full, L"\\\\")) {
        return L"\\\\?\\UNC\\" + full.substr(2); // \\server\share\...
    }
    const bool drive = full.size() >= 3 && full[1] == L':' && full[2] == L'\\';
    return drive ? L"\\\\?\\" + full : full;
}

std::unique_ptr<ByteStream> Win32FileSource::Open(std::u16string_view path, FileError& error) {
    if (path.empty() || path.find(u'\0') != std::u16string_view::npos) {
        // A NUL would silently cut the name short and open some other file.
        error = {FileErrorKind::InvalidName, Code(ERROR_INVALID_NAME)};
        return nullptr;
    }
    const std::wstring name = SystemName(path);
    const DWORD attributes = ::GetFileAttributesW(name.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        error = {FileErrorKind::IsDirectory, 0};
        return nullptr;
    }
    // Others may go on writing the file while it is read, as an editor keeps it open. A
    // name may be a pipe's (checked below, after connecting): its server may learn who we
    // are, never act as us.
    const HANDLE file = ::CreateFileW(name.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN |
                                          SECURITY_SQOS_PRESENT | SECURITY_IDENTIFICATION,
                                      nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = ::GetLastError();
        error = {KindOfOpenError(code), Code(code)};
        return nullptr;
    }
    // Named pipes, consoles and devices (CON, NUL, COM1 as "x\\CON.txt") would block or
    // never end.
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        ::CloseHandle(file);
        error = {FileErrorKind::NotRegularFile, 0};
        return nullptr;
    }
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file, &size)) {
        const DWORD code = ::GetLastError();
        ::CloseHandle(file);
        error = {FileErrorKind::OpenFailed, Code(code)};
        return nullptr;
    }
    return std::make_unique<Win32ByteStream>(file, static_cast<std::uint64_t>(size.QuadPart));
}

} // namespace lumio
