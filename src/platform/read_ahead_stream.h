#pragma once

#include "platform/file_source.h"

#include <condition_variable>
#include <cstddef>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace lumio {

// Reads a stream on a thread of its own, a few blocks ahead of the reader: copying a
// large file out of the system's cache costs a load about a quarter of its time, and
// a second core does it while the first decodes. The bytes and errors are the
// source's, in order. The source must outlive it and is not read by anyone else.
// While its blocks are all full the thread does `spare` work, a step per call, for
// as long as that returns true (giving the reader's memory its pages, say).
class ReadAheadStream final : public ByteStream {
public:
    explicit ReadAheadStream(ByteStream& source, std::function<bool()> spare = {});
    ~ReadAheadStream() override; // stops the thread and waits for it
    ReadAheadStream(const ReadAheadStream&) = delete;
    ReadAheadStream& operator=(const ReadAheadStream&) = delete;

    std::size_t Read(std::span<char> buffer, FileError& error) override;
    std::uint64_t SizeHint() const override { return source_.SizeHint(); }

private:
    static constexpr std::size_t kBlocks = 8;
    static constexpr std::size_t kBlockBytes = std::size_t{256} << 10;

    struct Block {
        std::unique_ptr<char[]> bytes = std::make_unique_for_overwrite<char[]>(kBlockBytes);
        std::size_t size = 0; // 0: the end of the stream (`error` set if it failed)
        FileError error;
    };

    void Run();

    ByteStream& source_;
    const std::function<bool()> spare_;
    Block blocks_[kBlocks];
    std::mutex mutex_;
    std::condition_variable changed_;
    std::size_t filled_ = 0;  // blocks read and not yet handed out, from `reading_` on
    std::size_t reading_ = 0; // the block the reader takes from
    std::size_t offset_ = 0;  // how much of that block it has taken
    bool stopping_ = false;
    std::thread thread_;
};

} // namespace lumio
