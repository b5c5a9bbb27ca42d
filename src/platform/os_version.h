#pragma once

#include <cstdint>

namespace lumio {

// The version query's platform identifier (2 is the NT family). Every platform we
// build for answers like the NT family: wide-character text calls are available.
inline constexpr std::int32_t kPlatformIdNT = 2;
std::int32_t QueryPlatformId();

} // namespace lumio
