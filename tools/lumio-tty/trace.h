#pragma once

#include "reader/main_msg.h"
#include "tty_controls.h"

#include <cstdint>
#include <cstdio>

namespace lumio::tty {

// Runs up to `ticks` ticks at once, stopping after a tick that switches the timer off,
// and writes one JSON object per line: first the state after the load, then each tick.
void RunTrace(MainMsg& window, const TtyTimer& timer, const TtyViewer& viewer, std::uint64_t ticks,
              std::FILE* out);

} // namespace lumio::tty
