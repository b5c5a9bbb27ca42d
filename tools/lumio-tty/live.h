#pragma once

#include "reader/main_msg.h"
#include "tty_controls.h"

namespace lumio::tty {

struct LiveControls {
    MainMsg& window;
    TtyTimer& timer;
    const TtyViewer& viewer;
    TtySlider& speedSlider;
};

// Plays the document in real time and returns the exit status. On a terminal the keys
// drive the reading until q; otherwise it plays until reading stops, touching no
// terminal modes.
int RunLive(const LiveControls& live);

} // namespace lumio::tty
