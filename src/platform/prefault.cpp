#include "platform/prefault.h"

#include <algorithm>
#include <cstdint>
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

PagesAhead::PagesAhead(void* data, std::size_t bytes, std::size_t lead)
    : data_(static_cast<unsigned char*>(data)), bytes_(bytes), lead_(lead) {}

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
    std::size_t at = taken_.load(std::memory_order_relaxed);
    do {
        if (at >= limit || stopped_) {
            return false;
        }
    } while (!taken_.compare_exchange_weak(at, at + kStepBytes, std::memory_order_relaxed));
    PrefaultForWriting(data_ + at, std::min(kStepBytes, bytes_ - at));
    return true;
}

} // namespace lumio
