#include "platform/prefault.h"

#include <algorithm>
#include <cstdint>
#include <thread>
#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace lumio {

namespace {

// Large enough that the calls cost nothing, small enough to stay just ahead.
constexpr std::size_t kStepBytes = std::size_t{2} << 20;

} // namespace

bool PrefaultWorks() {
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    return true;
#else
    return false;
#endif
}

void PrefaultForWriting([[maybe_unused]] void* data, [[maybe_unused]] std::size_t bytes) {
#if defined(__linux__) && defined(MADV_POPULATE_WRITE)
    constexpr std::uintptr_t kPage = 4096;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kPage - 1) & ~(kPage - 1);
    const std::uintptr_t end = (start + bytes) & ~(kPage - 1);
    if (end > first) {
        // Advice only: on a kernel without it (before 5.14) the pages come as before.
        ::madvise(reinterpret_cast<void*>(first), end - first, MADV_POPULATE_WRITE);
    }
#endif
}

PagesAhead::PagesAhead(void* data, std::size_t bytes, std::size_t lead, GivePages give)
    : data_(static_cast<unsigned char*>(data)), bytes_(bytes), lead_(lead), give_(give) {}

void PagesAhead::Stop() {
    // With giving_ raised before stopped_ is read (both in one total order), a call
    // either sees the stop or is waited for here.
    stopped_.store(true);
    while (giving_.load() != 0) {
        std::this_thread::yield();
    }
}

void PagesAhead::WrittenUpTo(std::size_t offset) {
    // Where no other thread has got that far, the writer takes the steps itself.
    while (GiveStepBelow(offset)) {
    }
    if (offset > written_.load(std::memory_order_relaxed)) {
        written_.store(offset, std::memory_order_relaxed);
    }
}

bool PagesAhead::GiveStepAhead() {
    const std::size_t written = written_.load(std::memory_order_relaxed);
    return GiveStepBelow(std::max(written, written + lead_)); // no wrapping round
}

bool PagesAhead::GiveStepBelow(std::size_t limit) {
    limit = std::min(limit, bytes_);
    giving_.fetch_add(1);
    std::size_t at = taken_.load(std::memory_order_relaxed);
    do {
        if (at >= limit || stopped_.load()) {
            giving_.fetch_sub(1);
            return false;
        }
    } while (!taken_.compare_exchange_weak(at, at + kStepBytes, std::memory_order_relaxed));
    give_(data_ + at, std::min(kStepBytes, bytes_ - at));
    giving_.fetch_sub(1);
    return true;
}

} // namespace lumio
