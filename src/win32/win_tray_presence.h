#pragma once

#include "win32/win_api.h"

namespace lumio {

// Whether the notification area shows the icon `id` of `window`: the shell takes a
// change that asks for nothing only for an icon it has.
bool TrayIconPresent(HWND window, UINT id);

} // namespace lumio
