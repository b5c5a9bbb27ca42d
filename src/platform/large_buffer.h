#pragma once

#include <cstddef>

namespace lumio {

// Tells the system that [data, data + bytes) is one large buffer about to be filled from
// start to end, so that it may back it with large pages: filling a buffer of hundreds of
// megabytes otherwise costs one page fault per 4 KiB, which is more than the decoding
// itself. Only the pages inside the range that are wholly its own are affected. Does
// nothing where the system has no such service.
void AdviseLargeBuffer(void* data, std::size_t bytes);

} // namespace lumio
