#include "platform/os_version.h"

namespace lumio {

std::int32_t QueryPlatformId() {
    return kPlatformIdNT;
}

} // namespace lumio
