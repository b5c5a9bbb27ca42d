#pragma once

#include "platform/display_scale.h"
#include "win32/win_api.h"

namespace lumio {

// The system's answers about resolution, asked of the services that know the monitor a
// window is on where the system has them (Windows 10), of the screen as a whole where it
// has not: those systems run the program aware of the system's resolution only.

// The resolution of the monitor the window is shown on.
DisplayScale WindowScale(HWND window);
// The resolution the system started with: what its own notification area and metrics
// are drawn for.
DisplayScale SystemScale();
// The resolution a WM_DPICHANGED message announces.
DisplayScale ScaleFromDpiChanged(WPARAM wParam);
// A system metric (SM_CXSMICON, ...) for a resolution.
int SystemMetricFor(int index, DisplayScale scale);
// The system's tool-tip font for a resolution; the caller deletes it.
HFONT CreateToolTipFont(DisplayScale scale);
// An icon of the program's resources at the size the metric gives for the resolution,
// made from the .ico's own image of that size, or shrunk from a larger one where it has
// none (never stretched from a smaller one). The caller destroys it.
HICON LoadIconForScale(HINSTANCE instance, int resource, int sizeMetric, DisplayScale scale);

} // namespace lumio
