#pragma once

#include "platform/file_source.h"

#include <string>
#include <string_view>

namespace lumio {

// Whether the open command takes `path` as a document: not empty, and its last four
// characters are exactly ".txt" (case matters; a shorter path is compared whole).
bool IsTxtPath(std::u16string_view path);

struct LoadedDocument {
    std::u16string text; // empty whenever `error` is set: never half a document
    FileError error;
};

// Reads the file at `path` as code page 936 text into the document text (see
// DocumentText). Linear in the file size.
LoadedDocument LoadDocument(FileSource& files, std::u16string_view path);

} // namespace lumio
