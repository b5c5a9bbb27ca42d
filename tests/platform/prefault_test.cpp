#include "platform/prefault.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <vector>
#if defined(__linux__)
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace lumio {
namespace {

#if defined(__linux__)

constexpr std::size_t kMiB = std::size_t{1} << 20;

// Fresh memory, and which of its megabytes have pages.
class FreshMemory {
public:
    explicit FreshMemory(std::size_t bytes) : bytes_(bytes) {
        data_ = static_cast<unsigned char*>(
            ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
    }
    ~FreshMemory() { ::munmap(data_, bytes_); }
    FreshMemory(const FreshMemory&) = delete;
    FreshMemory& operator=(const FreshMemory&) = delete;

    unsigned char* data() const { return data_; }

    // How many whole megabytes from the start have all their pages.
    std::size_t MegabytesWithPages() const {
        const std::size_t page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
        std::vector<unsigned char> present(bytes_ / page);
        ::mincore(data_, bytes_, present.data());
        std::size_t pages = 0;
        while (pages < present.size() && (present[pages] & 1) != 0) {
            ++pages;
        }
        return pages * page / kMiB;
    }

private:
    std::size_t bytes_;
    unsigned char* data_;
};

TEST(PagesAheadTest, GivesPagesAheadOfTheWriterUpToTheLeadOnly) {
    if (!PrefaultWorks()) {
        GTEST_SKIP() << "no way to give pages ahead on this system";
    }
    FreshMemory memory(64 * kMiB);
    memory.data()[5 * kMiB] = 42; // written before: the pages keep what they hold
    PagesAhead pages(memory.data(), 64 * kMiB, 8 * kMiB);
    while (pages.GiveStepAhead()) {
    }
    // The first page touched by the write above stands alone at 5 MiB.
    EXPECT_GE(memory.MegabytesWithPages(), 8u);
    EXPECT_LE(memory.MegabytesWithPages(), 10u) << "not much beyond the lead";

    pages.WrittenUpTo(30 * kMiB); // the writer needs these now: it gives them itself
    EXPECT_GE(memory.MegabytesWithPages(), 30u);
    while (pages.GiveStepAhead()) {
    }
    EXPECT_GE(memory.MegabytesWithPages(), 38u);
    EXPECT_LE(memory.MegabytesWithPages(), 40u);
    EXPECT_EQ(memory.data()[5 * kMiB], 42);

    pages.Stop();
    pages.WrittenUpTo(60 * kMiB);
    EXPECT_FALSE(pages.GiveStepAhead());
    EXPECT_LE(memory.MegabytesWithPages(), 40u) << "stopped: nothing more is given";
}

TEST(PagesAheadTest, NeverGivesPastTheEndOfTheBuffer) {
    if (!PrefaultWorks()) {
        GTEST_SKIP() << "no way to give pages ahead on this system";
    }
    FreshMemory memory(16 * kMiB);
    // A buffer of 5.5 MiB in memory of 16: the steps stop at its end.
    PagesAhead pages(memory.data(), 11 * kMiB / 2, 64 * kMiB);
    while (pages.GiveStepAhead()) {
    }
    EXPECT_EQ(memory.MegabytesWithPages(), 5u);
}

#endif

// A step being given while the buffer is stopped: the buffer may go once Stop returns, so
// Stop waits for the step (a text that moves frees its old buffer right after).
std::atomic<bool> stepEntered{false};
std::atomic<bool> stepMayEnd{false};
std::atomic<int> order{0};
std::atomic<int> stepEndedAt{0};
std::atomic<int> givenSteps{0};

void SlowStep(void*, std::size_t) {
    ++givenSteps;
    stepEntered = true;
    while (!stepMayEnd) {
        std::this_thread::yield();
    }
    stepEndedAt = ++order;
}

TEST(PagesAheadTest, StopWaitsForAStepInProgress) {
    std::vector<unsigned char> buffer(8u << 20);
    PagesAhead pages(buffer.data(), buffer.size(), 4u << 20, SlowStep);
    std::thread helper([&] { pages.GiveStepAhead(); });
    while (!stepEntered) {
        std::this_thread::yield();
    }
    std::atomic<int> stopReturnedAt{0};
    std::thread stopper([&] {
        pages.Stop();
        stopReturnedAt = ++order;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(stopReturnedAt, 0) << "Stop returned while a step was being given";
    stepMayEnd = true;
    helper.join();
    stopper.join();
    EXPECT_LT(stepEndedAt, stopReturnedAt);
    // Stopped: no more steps, from the writer or from another thread.
    pages.WrittenUpTo(buffer.size());
    EXPECT_FALSE(pages.GiveStepAhead());
    EXPECT_EQ(givenSteps, 1);
}

} // namespace
} // namespace lumio
