#pragma once

// A file in memory for the loader targets, "doc.txt", handing out its bytes in reads of
// a given size, with a failing read at its end if asked.

#include "platform/file_source.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string_view>

namespace lumio::fuzz {

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
    MemorySource(std::string_view bytes, std::size_t readSize, bool failAtEnd = false)
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

} // namespace lumio::fuzz
