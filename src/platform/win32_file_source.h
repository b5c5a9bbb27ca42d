#pragma once

#include "platform/file_source.h"

namespace lumio {

// Files through the Win32 file API, named in UTF-16 as the system names them. Only disk
// files open: a directory, a pipe, a console or a device named like a document is
// refused, never read or waited on.
class Win32FileSource : public FileSource {
public:
    std::unique_ptr<ByteStream> Open(std::u16string_view path, FileError& error) override;
};

} // namespace lumio
