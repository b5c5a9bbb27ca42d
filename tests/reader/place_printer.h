#pragma once

#include "platform/utf.h"
#include "reader/memory_file.h"

#include <ostream>

namespace lumio {

// A place as test failures show it: {position/length path}.
inline void PrintTo(const Place& place, std::ostream* out) {
    *out << "{" << place.position << "/" << place.length << " " << ToUtf8(place.path) << "}";
}

} // namespace lumio
