#pragma once

#include "win32/win_api.h"

#include <string>

namespace lumio {

// The tool tips of a window's controls, one tip control for them all: each control is a
// tool of `owner` known by its window handle.

// Adds `control`'s tip; an empty text adds none.
void AddToolTip(HWND tips, HWND owner, HWND control, const std::u16string& text);
// Changes `control`'s tip, adding it when the control has none yet.
void SetToolTip(HWND tips, HWND owner, HWND control, const std::u16string& text);
// The tip `control` shows now ("" for none).
std::u16string ToolTipText(HWND tips, HWND owner, HWND control);

} // namespace lumio
