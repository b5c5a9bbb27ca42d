// The whole loader from an in-memory file that hands out its bytes in reads of varying
// size: the document must be the reference decoding turned into document text, and a
// failing read must give an error and no text.

#include "cp936_reference.h"
#include "reader/document_loader.h"
#include "reader/document_text.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

using namespace lumio;

namespace {

class MemoryStream final : public ByteStream {
public:
    MemoryStream(std::string_view bytes, std::size_t readSize, bool failAtEnd)
        : bytes_(bytes), readSize_(readSize), failAtEnd_(failAtEnd) {}

    std::size_t Read(std::span<char> buffer, FileError& error) override {
        if (at_ == bytes_.size() && failAtEnd_) {
            error = {FileErrorKind::ReadFailed, 5};
            return 0;
        }
        const std::size_t n = std::min({buffer.size(), readSize_, bytes_.size() - at_});
        std::memcpy(buffer.data(), bytes_.data() + at_, n);
        at_ += n;
        return n;
    }
    std::uint64_t SizeHint() const override { return bytes_.size(); }

private:
    std::string_view bytes_;
    std::size_t readSize_;
    bool failAtEnd_;
    std::size_t at_ = 0;
};

class MemorySource final : public FileSource {
public:
    MemorySource(std::string_view bytes, std::size_t readSize, bool failAtEnd)
        : bytes_(bytes), readSize_(readSize), failAtEnd_(failAtEnd) {}

    std::unique_ptr<ByteStream> Open(std::u16string_view path, FileError& error) override {
        if (path != u"doc.txt") {
            error = {FileErrorKind::NotFound, 2};
            return nullptr;
        }
        return std::make_unique<MemoryStream>(bytes_, readSize_, failAtEnd_);
    }

private:
    std::string_view bytes_;
    std::size_t readSize_;
    bool failAtEnd_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzz::ReferenceCp936 reference;
    if (size < 2) {
        return 0;
    }
    // Two bytes of set-up: the read size (1..256), and whether the last read fails.
    const std::size_t readSize = data[0] + 1u;
    const bool failAtEnd = (data[1] & 1) != 0;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 2, size - 2);

    MemorySource files(bytes, readSize, failAtEnd);
    const LoadedDocument loaded = LoadDocument(files, u"doc.txt");
    if (failAtEnd) {
        if (loaded.error.kind != FileErrorKind::ReadFailed || !loaded.text.empty()) {
            std::abort();
        }
        return 0;
    }
    DocumentText expected;
    expected.Append(reference.Decode(bytes));
    if (loaded.error || loaded.text != expected.Finish()) {
        std::abort();
    }
    return 0;
}
