#include "platform/posix_file_source.h"

#include "platform/utf.h"

#include <cerrno>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace lumio {

namespace {

FileErrorKind KindOfOpenError(int code) {
    switch (code) {
    case ENOENT:
    case ENOTDIR:
        return FileErrorKind::NotFound;
    case EISDIR:
        return FileErrorKind::IsDirectory;
    case EACCES:
    case EPERM:
        return FileErrorKind::AccessDenied;
    case ENAMETOOLONG:
        return FileErrorKind::InvalidName;
    case ENOMEM:
        return FileErrorKind::OutOfMemory;
    default:
        return FileErrorKind::OpenFailed;
    }
}

class PosixByteStream : public ByteStream {
public:
    PosixByteStream(int fd, std::uint64_t size) : fd_(fd), size_(size) {}
    ~PosixByteStream() override { ::close(fd_); }
    PosixByteStream(const PosixByteStream&) = delete;
    PosixByteStream& operator=(const PosixByteStream&) = delete;

    std::size_t Read(std::span<char> buffer, FileError& error) override {
        for (;;) {
            const ssize_t n = ::read(fd_, buffer.data(), buffer.size());
            if (n >= 0) {
                return static_cast<std::size_t>(n);
            }
            if (errno != EINTR) {
                error = {errno == EISDIR ? FileErrorKind::IsDirectory : FileErrorKind::ReadFailed,
                         errno};
                return 0;
            }
        }
    }

    std::uint64_t SizeHint() const override { return size_; }

private:
    int fd_;
    std::uint64_t size_;
};

} // namespace

std::unique_ptr<ByteStream> PosixFileSource::Open(std::u16string_view path, FileError& error) {
    const std::string native = PathToNative(path);
    if (native.empty() || native.find('\0') != std::string::npos) {
        // A NUL would silently cut the name short and open some other file.
        error = {FileErrorKind::InvalidName, EINVAL};
        return nullptr;
    }
    // Non-blocking so that a FIFO named like a document cannot hang the reader.
    const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        error = {KindOfOpenError(errno), errno};
        return nullptr;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        error = {FileErrorKind::OpenFailed, errno};
        ::close(fd);
        return nullptr;
    }
    if (!S_ISREG(info.st_mode)) {
        error = S_ISDIR(info.st_mode) ? FileError{FileErrorKind::IsDirectory, EISDIR}
                                      : FileError{FileErrorKind::NotRegularFile, 0};
        ::close(fd);
        return nullptr;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return std::make_unique<PosixByteStream>(fd, static_cast<std::uint64_t>(info.st_size));
}

} // namespace lumio
