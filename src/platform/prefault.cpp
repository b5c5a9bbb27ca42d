#include "platform/prefault.h"

#include <cstdint>
#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace lumio {

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

} // namespace lumio
