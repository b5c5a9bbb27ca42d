#include "platform/read_ahead_stream.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace lumio {

ReadAheadStream::ReadAheadStream(ByteStream& source, std::function<bool()> spare)
    : source_(source), spare_(std::move(spare)), thread_([this] { Run(); }) {}

ReadAheadStream::~ReadAheadStream() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
}

void ReadAheadStream::Run() {
    for (std::size_t next = 0;; next = (next + 1) % kBlocks) {
        for (bool spareWork = static_cast<bool>(spare_);;) {
            std::unique_lock lock(mutex_);
            if (stopping_) {
                return;
            }
            if (filled_ < kBlocks) {
                break;
            }
            if (spareWork) {
                lock.unlock();
                spareWork = spare_();
                continue;
            }
            changed_.wait(lock, [this] { return stopping_ || filled_ < kBlocks; });
            spareWork = static_cast<bool>(spare_); // the reader moved on: maybe more to do
        }
        // The block is free: the reader takes only blocks counted in filled_.
        Block& block = blocks_[next];
        block.error = {};
        block.size = source_.Read({block.bytes.get(), kBlockBytes}, block.error);
        {
            const std::lock_guard lock(mutex_);
            ++filled_;
        }
        changed_.notify_all();
        if (block.size == 0) {
            return; // the end, or a failure: nothing more is read
        }
    }
}

std::size_t ReadAheadStream::Read(std::span<char> buffer, FileError& error) {
    {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return filled_ > 0; });
    }
    Block& block = blocks_[reading_];
    if (block.size == 0) {
        error = block.error; // stays at the end: this block is never given back
        return 0;
    }
    const std::size_t n = std::min(buffer.size(), block.size - offset_);
    std::memcpy(buffer.data(), block.bytes.get() + offset_, n);
    offset_ += n;
    if (offset_ == block.size) {
        offset_ = 0;
        reading_ = (reading_ + 1) % kBlocks;
        {
            const std::lock_guard lock(mutex_);
            --filled_;
        }
        changed_.notify_all();
    }
    return n;
}

} // namespace lumio
