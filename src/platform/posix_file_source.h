#pragma once

#include "platform/file_source.h"

namespace lumio {

// Files of the local file system through POSIX calls. Only regular files open: a
// directory or a device named like a document is refused, never read or waited on.
class PosixFileSource : public FileSource {
public:
    std::unique_ptr<ByteStream> Open(std::u16string_view path, FileError& error) override;
};

} // namespace lumio
