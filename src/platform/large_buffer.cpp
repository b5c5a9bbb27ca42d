#include "platform/large_buffer.h"

#include <cstdint>
#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace lumio {

void AdviseLargeBuffer([[maybe_unused]] void* data, [[maybe_unused]] std::size_t bytes) {
#if defined(__linux__) && defined(MADV_HUGEPAGE)
    // Large pages are 2 MiB; a smaller buffer would get none.
    constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t end = (start + bytes) & ~(kLargePage - 1);
    if (end > first) {
        // Advice only: when the system refuses it the buffer works as before.
        ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
    }
#endif
}

} // namespace lumio
