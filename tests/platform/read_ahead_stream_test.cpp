#include "platform/read_ahead_stream.h"

#include <algorithm>
#include <future>
#include <gtest/gtest.h>
#include <string>

namespace lumio {
namespace {

// A file in memory that can fail at a given offset, as a disk read may.
class MemoryStream final : public ByteStream {
public:
    MemoryStream(std::string bytes, std::size_t failAt = std::string::npos)
        : bytes_(std::move(bytes)), failAt_(failAt) {}

    std::size_t Read(std::span<char> buffer, FileError& error) override {
        if (at_ == failAt_) {
            error = {FileErrorKind::ReadFailed, 5};
            return 0;
        }
        std::size_t n = std::min(buffer.size(), bytes_.size() - at_);
        if (failAt_ != std::string::npos && at_ < failAt_) {
            n = std::min(n, failAt_ - at_);
        }
        std::copy_n(bytes_.data() + at_, n, buffer.data());
        at_ += n;
        return n;
    }
    std::uint64_t SizeHint() const override { return bytes_.size(); }

private:
    std::string bytes_;
    std::size_t failAt_;
    std::size_t at_ = 0;
};

std::string Pattern(std::size_t size) {
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<char>(i * 131 + i / 7);
    }
    return bytes;
}

// Reads to the end in reads of `readSize`; the error, if any, lands in `error`.
std::string ReadThrough(ByteStream& stream, std::size_t readSize, FileError& error) {
    std::string all;
    std::string buffer(readSize, '\0');
    while (const std::size_t n = stream.Read(buffer, error)) {
        all.append(buffer, 0, n);
    }
    return all;
}

constexpr std::size_t kBlock = std::size_t{256} << 10;

TEST(ReadAheadStreamTest, GivesTheSourceBytesInOrder) {
    for (const std::size_t size : {std::size_t{0}, std::size_t{1}, kBlock - 1, kBlock, kBlock + 1,
                                   kBlock * 7 / 2, kBlock * 20}) {
        for (const std::size_t readSize : {std::size_t{7}, std::size_t{64} << 10, kBlock * 4}) {
            MemoryStream source(Pattern(size));
            ReadAheadStream ahead(source);
            EXPECT_EQ(ahead.SizeHint(), size);
            FileError error;
            EXPECT_EQ(ReadThrough(ahead, readSize, error), Pattern(size))
                << size << " " << readSize;
            EXPECT_FALSE(error);
            char more[4];
            EXPECT_EQ(ahead.Read(more, error), 0u) << "the end stays the end";
        }
    }
}

TEST(ReadAheadStreamTest, AFailureComesAfterTheBytesBeforeIt) {
    for (const std::size_t failAt : {std::size_t{0}, std::size_t{10}, kBlock, kBlock * 5 + 3}) {
        MemoryStream source(Pattern(kBlock * 8), failAt);
        ReadAheadStream ahead(source);
        FileError error;
        EXPECT_EQ(ReadThrough(ahead, 1000, error), Pattern(failAt)) << failAt;
        EXPECT_EQ(error.kind, FileErrorKind::ReadFailed) << failAt;
        FileError again;
        char more[4];
        EXPECT_EQ(ahead.Read(more, again), 0u);
        EXPECT_EQ(again.kind, FileErrorKind::ReadFailed) << "and is told again";
    }
}

TEST(ReadAheadStreamTest, DoesSpareWorkOnlyWhileItsBlocksAreFull) {
    MemoryStream source(Pattern(kBlock * 40));
    int calls = 0;
    std::promise<void> restedOnce;
    {
        ReadAheadStream ahead(source, [&] {
            ++calls;
            if (calls == 6) {
                restedOnce.set_value();
                return false; // nothing more for now: it waits for the reader
            }
            return calls < 6 || calls % 3 != 0;
        });
        restedOnce.get_future().wait();
        // Until the reader takes a block there is no call beyond the one that said no.
        EXPECT_EQ(calls, 6);
        FileError error;
        EXPECT_EQ(ReadThrough(ahead, 100000, error), Pattern(kBlock * 40));
        EXPECT_FALSE(error);
    }
    EXPECT_GT(calls, 6) << "taking blocks let it go on with the spare work";
}

TEST(ReadAheadStreamTest, StopsAtOnceWhenLeftHalfRead) {
    MemoryStream source(Pattern(kBlock * 100));
    ReadAheadStream ahead(source);
    char some[10];
    FileError error;
    EXPECT_EQ(ahead.Read(some, error), 10u);
    // Going out of scope must not wait for the other 99 blocks (nor hang).
}

} // namespace
} // namespace lumio
