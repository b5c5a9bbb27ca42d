#pragma once

#include <cstddef>

namespace lumio {

// Asks the system to give [data, data + bytes), memory that is about to be written, its
// pages now, in one call, instead of one page fault per 4 KiB while it is written:
// filling hundreds of megabytes that way costs more than decoding them. Only the
// pages that lie wholly inside the range are touched, and their contents stay as they
// are. Does nothing where the system has no such service.
void PrefaultForWriting(void* data, std::size_t bytes);

} // namespace lumio
