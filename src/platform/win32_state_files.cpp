#include "platform/state_files.h"
#include "platform/utf.h"

#include <algorithm>
#include <string>
#include <vector>
#include <windows.h>

namespace lumio {

namespace {

std::wstring Wide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

std::u16string Narrow16(std::wstring_view text) {
    return std::u16string(text.begin(), text.end());
}

std::string Reason(const std::wstring& file, DWORD code) {
    wchar_t* message = nullptr;
    const DWORD n = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::wstring text =
        n != 0 && message != nullptr ? std::wstring(message, n) : L"error " + std::to_wstring(code);
    if (message != nullptr) {
        ::LocalFree(message);
    }
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L'.')) {
        text.pop_back();
    }
    return ToUtf8(Narrow16(file)) + ": " + ToUtf8(Narrow16(text));
}

std::wstring Environment(const wchar_t* name) {
    const DWORD n = ::GetEnvironmentVariableW(name, nullptr, 0);
    if (n == 0) {
        return {};
    }
    std::wstring value(n, L'\0');
    value.resize(::GetEnvironmentVariableW(name, value.data(), n));
    return value;
}

bool MakeFolders(const std::wstring& folder, std::string& error) {
    // Each missing folder after the drive or share, one at a time.
    for (std::size_t at = folder.find_first_of(L"\\/", 3);;
         at = folder.find_first_of(L"\\/", at + 1)) {
        const std::wstring part = folder.substr(0, at);
        if (!::CreateDirectoryW(part.c_str(), nullptr)) {
            const DWORD code = ::GetLastError();
            if (code != ERROR_ALREADY_EXISTS && code != ERROR_ACCESS_DENIED) {
                error = Reason(part, code);
                return false;
            }
        }
        if (at == std::wstring::npos) {
            const DWORD attributes = ::GetFileAttributesW(folder.c_str());
            if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
                error = Reason(folder, ERROR_PATH_NOT_FOUND);
                return false;
            }
            return true;
        }
    }
}

} // namespace

std::u16string StateFolder() {
    std::wstring base = Environment(L"LOCALAPPDATA");
    if (base.empty()) {
        const std::wstring profile = Environment(L"USERPROFILE");
        if (profile.empty()) {
            return {};
        }
        base = profile + L"\\AppData\\Local";
    }
    return Narrow16(base + L"\\Lumio");
}

std::u16string PathInFolder(std::u16string_view folder, std::u16string_view name) {
    std::u16string path(folder);
    if (!path.empty() && path.back() != u'\\' && path.back() != u'/') {
        path += u'\\';
    }
    return path + std::u16string(name);
}

// The current folder and drive filled in, "/" read as "\\", "." and ".." resolved.
std::u16string FullPath(std::u16string_view path) {
    const std::wstring wide = Wide(path);
    if (wide.empty()) {
        return std::u16string(path);
    }
    std::wstring full(std::max<std::size_t>(wide.size() + 1, MAX_PATH), L'\0');
    for (int attempt = 0; attempt < 3; ++attempt) { // the folder may change between calls
        const DWORD n =
            ::GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (n == 0) {
            break;
        }
        if (n < full.size()) {
            full.resize(n);
            return Narrow16(full);
        }
        full.assign(n, L'\0'); // too small: n is the room it needs, the NUL included
    }
    return std::u16string(path);
}

bool ReadWholeFile(std::u16string_view path, std::string& bytes, std::string& error) {
    bytes.clear();
    const std::wstring wide = Wide(path);
    HANDLE file = ::CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD code = ::GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_PATH_NOT_FOUND) {
            return true;
        }
        error = Reason(wide, code);
        return false;
    }
    char buffer[16384];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file, buffer, sizeof buffer, &got, nullptr)) {
            error = Reason(wide, ::GetLastError());
            ::CloseHandle(file);
            return false;
        }
        if (got == 0) {
            break;
        }
        bytes.append(buffer, got);
    }
    ::CloseHandle(file);
    return true;
}

bool ReplaceWholeFile(std::u16string_view path, std::string_view bytes, std::string& error) {
    const std::wstring wide = Wide(path);
    const std::size_t slash = wide.find_last_of(L"\\/");
    if (slash != std::wstring::npos && slash > 2 && !MakeFolders(wide.substr(0, slash), error)) {
        return false;
    }
    // Named for this process, so two instances saving at once never share one.
    const std::wstring temporary = wide + L".tmp" + std::to_wstring(::GetCurrentProcessId());
    HANDLE file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        error = Reason(temporary, ::GetLastError());
        return false;
    }
    bool ok = true;
    DWORD code = 0;
    while (ok && !bytes.empty()) {
        DWORD written = 0;
        const auto want = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        ok = ::WriteFile(file, bytes.data(), want, &written, nullptr) && written > 0;
        bytes.remove_prefix(written);
    }
    // Written whole before it takes the old file's name; the replacing move below waits
    // for the disk (MOVEFILE_WRITE_THROUGH).
    code = ok ? 0 : ::GetLastError();
    ::CloseHandle(file);
    if (!ok) {
        error = Reason(temporary, code);
        ::DeleteFileW(temporary.c_str());
        return false;
    }
    if (!::MoveFileExW(temporary.c_str(), wide.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        error = Reason(wide, ::GetLastError());
        ::DeleteFileW(temporary.c_str());
        return false;
    }
    return true;
}

} // namespace lumio
