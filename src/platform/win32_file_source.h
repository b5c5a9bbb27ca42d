#pragma once

#include "platform/file_source.h"

#include <string>

namespace lumio {

// Files through the Win32 file API, named in UTF-16 as the system names them. Only disk
// files open: a directory, a pipe, a console or a device named like a document is
// refused, never read or waited on.
class Win32FileSource : public FileSource {
public:
    std::unique_ptr<ByteStream> Open(std::u16string_view path, FileError& error) override;

    // The name the file is opened by: the full path in its extended-length form
    // ("\\?\C:\...", "\\?\UNC\server\share\..."), which has no 260-character limit.
    // Device names ("\\.\NUL", "CON") and names already in that form stay as they are.
    static std::wstring SystemName(std::u16string_view path);
};

} // namespace lumio
