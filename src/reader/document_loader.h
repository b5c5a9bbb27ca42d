#pragma once

#include "platform/file_source.h"
#include "platform/text_encoding.h"
#include "reader/chapter_finder.h"
#include "reader/controls.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumio {

// Whether the open command takes `path` as a document: not empty, and its last four
// characters are exactly ".txt" (case matters; a shorter path is compared whole).
bool IsTxtPath(std::u16string_view path);

struct LoadedDocument {
    std::u16string text; // empty whenever `error` is set: never half a document
    FileError error;
    std::vector<Chapter> chapters = {}; // the headings found while the lines were split
};

// Reads the file at `path` into the document text (see DocumentText), its encoding
// found from its bytes (see EncodingDetector). Linear in the file size.
LoadedDocument LoadDocument(FileSource& files, std::u16string_view path);

// Whether reading a file of `sizeHint` bytes may take longer than a blink (150 ms). It
// is decided before reading, from the size alone, at a rate that a slow machine reading
// a file not yet in memory still reaches, so a load that shows no busy cursor is one
// the user does not notice.
bool LoadTakesLong(std::uint64_t sizeHint);

// The same, with `busy` (when not null) shown from after the file is opened until the
// read ends, whether it succeeded or not, for files where LoadTakesLong; and the text
// read in `encoding` (Auto: found from the bytes).
LoadedDocument LoadDocument(FileSource& files, std::u16string_view path, BusyCursor* busy,
                            TextEncoding encoding = TextEncoding::Auto);

} // namespace lumio
