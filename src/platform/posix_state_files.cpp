#include "platform/state_files.h"
#include "platform/utf.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumio {

namespace {

constexpr mode_t kPrivateFolder = 0700; // what a state folder is made with
constexpr mode_t kPrivateFile = 0600;

std::string Reason(const char* what, int code) {
    return std::string(what) + ": " + std::strerror(code);
}

std::string Home() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') {
        return home;
    }
    const passwd* user = ::getpwuid(::getuid());
    return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "";
}

// Makes each missing folder on the way to `folder`.
bool MakeFolders(const std::string& folder, std::string& error) {
    for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
        const std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), kPrivateFolder) != 0 && errno != EEXIST) {
            error = Reason(part.c_str(), errno);
            return false;
        }
        if (slash == std::string::npos) {
            return true;
        }
    }
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

} // namespace

std::u16string StateFolder() {
    const char* xdg = std::getenv("XDG_STATE_HOME");
    // Only an absolute path counts; a relative one is to be ignored.
    std::string base = xdg != nullptr && xdg[0] == '/' ? std::string(xdg) : "";
    if (base.empty()) {
        const std::string home = Home();
        if (home.empty()) {
            return {};
        }
        base = home + "/.local/state";
    }
    return PathFromNative(base + "/lumio");
}

std::u16string PathInFolder(std::u16string_view folder, std::u16string_view name) {
    std::u16string path(folder);
    if (!path.empty() && path.back() != u'/') {
        path += u'/';
    }
    return path + std::u16string(name);
}

std::u16string FullPath(std::u16string_view path) {
    const std::string native = PathToNative(path);
    if (native.empty() || native.find('\0') != std::string::npos) {
        return std::u16string(path);
    }
    if (char* resolved = ::realpath(native.c_str(), nullptr)) {
        std::u16string full = PathFromNative(resolved);
        std::free(resolved);
        return full;
    }
    if (native.front() == '/') {
        return std::u16string(path);
    }
    char cwd[PATH_MAX];
    if (::getcwd(cwd, sizeof cwd) == nullptr) {
        return std::u16string(path);
    }
    return PathFromNative(std::string(cwd) + "/" + native);
}

bool ReadWholeFile(std::u16string_view path, std::string& bytes, std::string& error) {
    bytes.clear();
    const std::string native = PathToNative(path);
    const int fd = ::open(native.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        if (errno == ENOENT) {
            return true;
        }
        error = Reason(native.c_str(), errno);
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        error = native + ": not a regular file";
        ::close(fd);
        return false;
    }
    char buffer[16384];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0) {
            bytes.append(buffer, static_cast<std::size_t>(n));
        } else if (n == 0) {
            break;
        } else if (errno != EINTR) {
            error = Reason(native.c_str(), errno);
            ::close(fd);
            return false;
        }
    }
    ::close(fd);
    return true;
}

bool ReplaceWholeFile(std::u16string_view path, std::string_view bytes, std::string& error) {
    const std::string native = PathToNative(path);
    const std::size_t slash = native.rfind('/');
    if (slash != std::string::npos && slash > 0 && !MakeFolders(native.substr(0, slash), error)) {
        return false;
    }
    // Named for this process, so two instances saving at once never share one.
    const std::string temporary = native + ".tmp" + std::to_string(::getpid());
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY,
                          kPrivateFile);
    if (fd < 0) {
        error = Reason(temporary.c_str(), errno);
        return false;
    }
    // Written whole (a full disk fails here or at close) before it takes the old file's
    // name. Not forced to the disk first: that costs a busy disk tens of milliseconds at
    // every pause, and the file system puts a renamed file's data down before the rename.
    bool ok = WriteAll(fd, bytes);
    const int code = errno;
    ok = ::close(fd) == 0 && ok;
    if (!ok) {
        error = Reason(temporary.c_str(), code);
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), native.c_str()) != 0) {
        error = Reason(native.c_str(), errno);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace lumio
