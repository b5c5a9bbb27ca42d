#pragma once

#include "live.h"

#include <string>

namespace lumio::tty {

// The line the terminal shows for the viewer: the end of the view that fits `columns`,
// control characters as spaces; with `colour`, redrawn in place with the mark in red,
// otherwise one plain line per call.
std::string RenderLine(const TtyViewer& viewer, int columns, bool colour);

enum class KeyResult { Continue, Quit };

// What a key does while the document plays (space, p, s, +, -, q).
KeyResult HandleKey(char key, const LiveControls& live);

} // namespace lumio::tty
