// The whole loader, with code page 936 named, from an in-memory file that hands out its
// bytes in reads of varying size: the document must be the reference decoding turned
// into document text, and a failing read must give an error and no text.

#include "iconv_reference.h"
#include "memory_source.h"
#include "reader/document_loader.h"
#include "reader/document_text.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace lumio;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto cp936 = reference::Cp936();
    if (size < 2) {
        return 0;
    }
    // Two bytes of set-up: the read size (1..256), and whether the last read fails.
    const std::size_t readSize = data[0] + 1u;
    const bool failAtEnd = (data[1] & 1) != 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);

    fuzz::MemorySource files(bytes, readSize, failAtEnd);
    const LoadedDocument loaded = LoadDocument(files, u"doc.txt", nullptr, TextEncoding::Gbk);
    if (failAtEnd) {
        if (loaded.error.kind != FileErrorKind::ReadFailed || !loaded.text.empty()) {
            std::abort();
        }
        return 0;
    }
    DocumentText expected;
    expected.Append(cp936->Decode(bytes));
    if (loaded.error || loaded.text != expected.Finish()) {
        std::abort();
    }
    return 0;
}
