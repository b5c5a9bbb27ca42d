#include "reader/document_loader.h"

#include "platform/encoding_detection.h"
#include "platform/read_ahead_stream.h"
#include "reader/document_text.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <span>
#include <system_error>
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

// Every encoding read yields at most one UTF-16 unit per byte, plus two per line; novels
// stay well below this, so the text is not regrown. Untouched reserve costs no memory.
std::size_t ExpectedLength(std::uint64_t fileSize) {
    const std::uint64_t estimate = fileSize + fileSize / 8 + 16;
    constexpr std::uint64_t kLimit = std::numeric_limits<std::size_t>::max() / 4;
    return static_cast<std::size_t>(estimate < kLimit ? estimate : 0);
}

// The bytes read and not yet decoded: a character cut off at the end of a read, or the
// bytes detection holds while it judges them (a few megabytes at most).
class PendingBytes {
public:
    // Room for a block after the pending bytes.
    std::span<char> Free() {
        if (capacity_ - size_ < kChunkSize) {
            capacity_ = std::max(2 * capacity_, size_ + kChunkSize);
            auto grown = std::make_unique_for_overwrite<char[]>(capacity_);
            std::memcpy(grown.get(), bytes_.get(), size_);
            bytes_ = std::move(grown);
        }
        return {bytes_.get() + size_, kChunkSize};
    }
    void Add(std::size_t n) { size_ += n; }
    std::string_view View() const { return {bytes_.get(), size_}; }
    // Drops the first `n` bytes.
    void Drop(std::size_t n) {
        size_ -= n;
        std::memmove(bytes_.get(), bytes_.get() + n, size_);
    }

private:
    std::unique_ptr<char[]> bytes_ = std::make_unique_for_overwrite<char[]>(kChunkSize);
    std::size_t capacity_ = kChunkSize;
    std::size_t size_ = 0;
};

// Decodes `ready` bytes a block at a time, as they are read: detection may let a few
// megabytes through at once, which in one piece would grow the text past its reserve
// and leave the cache. Returns how many were used: fewer when a character cut off at
// the end waits for the next bytes.
std::size_t DecodeReady(const TextDecoder& decoder, std::string_view ready, bool last,
                        DocumentText& document) {
    std::size_t used = 0;
    while (used < ready.size()) {
        const std::size_t piece = std::min(ready.size() - used, kChunkSize);
        const bool end = used + piece == ready.size();
        const std::size_t n = document.AppendBytes(decoder, ready.substr(used, piece), last && end);
        used += n;
        if (end && n < piece) {
            break;
        }
    }
    return used;
}

// Decodes the bytes detection lets through; returns how many were used.
std::size_t Decode(std::string_view bytes, bool last, EncodingDetector& detector,
                   DocumentText& document) {
    std::size_t used = 0;
    for (;;) {
        const EncodingDetector::Step step = detector.Next(bytes.substr(used), last);
        used += step.skip;
        const std::size_t ready = used + step.ready;
        used += DecodeReady(*step.decoder, bytes.substr(used, step.ready),
                            last && ready == bytes.size(), document);
        // Stop when detection holds the rest, when all is used, or when a character
        // cut off at the end waits for the next bytes.
        if (step.ready == 0 || used == bytes.size() || used < ready) {
            return used;
        }
    }
}

// Decodes the whole stream into `document`.
FileError Feed(ByteStream& stream, EncodingDetector& detector, DocumentText& document) {
    PendingBytes pending;
    for (;;) {
        FileError error;
        const std::size_t n = stream.Read(pending.Free(), error);
        if (error) {
            return error;
        }
        pending.Add(n);
        const bool last = n == 0;
        pending.Drop(Decode(pending.View(), last, detector, document));
        if (last) {
            return {};
        }
    }
}

// Reads on a second core where the system lets a thread start; else on this one.
std::unique_ptr<ReadAheadStream> StartReadAhead(ByteStream& stream, DocumentText& document) {
    try {
        return std::make_unique<ReadAheadStream>(stream,
                                                 [&document] { return document.GivePagesAhead(); });
    } catch (const std::system_error&) {
        return nullptr;
    }
}

LoadedDocument Read(ByteStream& stream, TextEncoding encoding) {
    DocumentText document(ExpectedLength(stream.SizeHint()));
    ChapterFinder chapters;
    document.FindChapters(&chapters);
    EncodingDetector detector(encoding);
    FileError error;
    std::unique_ptr<ReadAheadStream> ahead;
    if (stream.SizeHint() >= kReadAheadBytes && std::thread::hardware_concurrency() >= 2) {
        // The second core reads ahead and, with time to spare, gives the text its pages.
        ahead = StartReadAhead(stream, document);
    }
    if (ahead) {
        error = Feed(*ahead, detector, document);
        ahead.reset(); // the thread ends before the text is handed over
    } else {
        error = Feed(stream, detector, document);
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

LoadedDocument LoadDocument(FileSource& files, std::u16string_view path, BusyCursor* busy,
                            TextEncoding encoding) {
    try {
        FileError error;
        const std::unique_ptr<ByteStream> stream = files.Open(path, error);
        if (!stream) {
            return {{}, error};
        }
        const BusyScope scope(LoadTakesLong(stream->SizeHint()) ? busy : nullptr);
        return Read(*stream, encoding);
    } catch (const std::bad_alloc&) {
        return {{}, {FileErrorKind::OutOfMemory, 0}};
    }
}

} // namespace lumio
