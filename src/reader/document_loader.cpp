#include "reader/document_loader.h"

#include "platform/read_ahead_stream.h"
#include "reader/document_text.h"

#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <thread>

namespace lumio {

namespace {

constexpr std::u16string_view kTxtSuffix = u".txt";
// Small enough that a block, and the room made for its text before it is decoded there,
// stay in the processor's cache (a larger block made loads a fifth slower); large
// enough that the calls cost nothing.
constexpr std::size_t kChunkSize = std::size_t{32} << 10;

// A file this large is read a few blocks ahead on a second core while it is decoded.
constexpr std::uint64_t kReadAheadBytes = std::uint64_t{16} << 20;

constexpr std::uint64_t kBlinkMilliseconds = 150;
// A cold read from a slow disk; a warm file loads at several hundred megabytes a second.
constexpr std::uint64_t kSlowBytesPerSecond = 100'000'000;

// Shows the busy cursor for as long as it lives.
class BusyScope {
public:
    explicit BusyScope(BusyCursor* busy) : busy_(busy) {
        if (busy_ != nullptr) {
            busy_->Show();
        }
    }
    ~BusyScope() {
        if (busy_ != nullptr) {
            busy_->Hide();
        }
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    BusyCursor* busy_;
};

// A GBK text yields at most one UTF-16 unit per byte plus two per line; novels stay
// well below this, so the text is not regrown. Untouched reserve costs no memory.
std::size_t ExpectedLength(std::uint64_t fileSize) {
    const std::uint64_t estimate = fileSize + fileSize / 8 + 16;
    constexpr std::uint64_t kLimit = std::numeric_limits<std::size_t>::max() / 4;
    return static_cast<std::size_t>(estimate < kLimit ? estimate : 0);
}

// Decodes the whole stream into `document`.
FileError Feed(ByteStream& stream, DocumentText& document) {
    const auto buffer = std::make_unique_for_overwrite<char[]>(kChunkSize);
    std::size_t pending = 0; // bytes of a character cut off at the end of the last read
    for (;;) {
        FileError error;
        const std::size_t n =
            stream.Read(std::span<char>(buffer.get() + pending, kChunkSize - pending), error);
        if (error) {
            return error;
        }
        const bool last = n == 0;
        const std::size_t have = pending + n;
        const std::size_t used = document.AppendCp936({buffer.get(), have}, last);
        pending = have - used;
        std::memmove(buffer.get(), buffer.get() + used, pending);
        if (last) {
            return {};
        }
    }
}

LoadedDocument Read(ByteStream& stream) {
    DocumentText document(ExpectedLength(stream.SizeHint()));
    ChapterFinder chapters;
    document.FindChapters(&chapters);
    FileError error;
    if (stream.SizeHint() >= kReadAheadBytes && std::thread::hardware_concurrency() >= 2) {
        // The second core reads ahead and, with time to spare, gives the text its pages.
        ReadAheadStream ahead(stream, [&document] { return document.GivePagesAhead(); });
        error = Feed(ahead, document);
    } else {
        error = Feed(stream, document);
    }
    if (error) {
        return {{}, error};
    }
    std::u16string text = document.Finish();
    return {std::move(text), {}, chapters.Take()};
}

} // namespace

bool IsTxtPath(std::u16string_view path) {
    // A path shorter than the suffix cannot end with it, so the empty path is refused too.
    return path.ends_with(kTxtSuffix);
}

bool LoadTakesLong(std::uint64_t sizeHint) {
    return sizeHint > kSlowBytesPerSecond / 1000 * kBlinkMilliseconds;
}

LoadedDocument LoadDocument(FileSource& files, std::u16string_view path) {
    return LoadDocument(files, path, nullptr);
}

LoadedDocument LoadDocument(FileSource& files, std::u16string_view path, BusyCursor* busy) {
    try {
        FileError error;
        const std::unique_ptr<ByteStream> stream = files.Open(path, error);
        if (!stream) {
            return {{}, error};
        }
        const BusyScope scope(LoadTakesLong(stream->SizeHint()) ? busy : nullptr);
        return Read(*stream);
    } catch (const std::bad_alloc&) {
        return {{}, {FileErrorKind::OutOfMemory, 0}};
    }
}

} // namespace lumio
