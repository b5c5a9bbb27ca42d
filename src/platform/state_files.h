#pragma once

#include <string>
#include <string_view>

namespace lumio {

// The few file services the program's own state needs (the reading memory is the only
// file it ever writes). One implementation per system: posix_state_files.cpp,
// win32_state_files.cpp.

// The folder the program keeps its state in: $XDG_STATE_HOME/lumio (by default
// ~/.local/state/lumio) on Linux, %LOCALAPPDATA%\Lumio on Windows. Empty when the
// system names no such place (no home folder).
std::u16string StateFolder();

// `name` inside `folder`, with the system's separator.
std::u16string PathInFolder(std::u16string_view folder, std::u16string_view name);

// The absolute form of `path`, so one document is one name wherever it was opened from
// (links resolved where the system can). `path` itself when there is none.
std::u16string FullPath(std::u16string_view path);

// Reads the whole file. A file that does not exist reads as no bytes; false, with the
// reason in `error`, when it exists but cannot be read.
bool ReadWholeFile(std::u16string_view path, std::string& bytes, std::string& error);

// Writes `bytes` to a new file beside `path` and then renames it over `path`, so the
// file is always either the old one or the new one whole, whether the program stops
// half-way or the disk is full. Makes the missing folders first. False, with the
// reason in `error`, when it could not; `path` is then untouched.
bool ReplaceWholeFile(std::u16string_view path, std::string_view bytes, std::string& error);

} // namespace lumio
