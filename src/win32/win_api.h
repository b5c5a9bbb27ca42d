#pragma once

// The system headers, after the core's own names for the system's numbers: the system
// defines the same names as macros with the same values, so the core's declarations
// must be read first and code here then uses the system's spelling. Every file of this
// front end includes the system through this header only.
#include "button/control_host.h"
#include "button/qxbutton.h"
#include "platform/desktop_services.h"
#include "platform/key_names.h"
#include "platform/messages.h"
#include "platform/text_painter.h"
#include "reader/boss_key.h"
#include "reader/controls.h"
#include "reader/hot_key_service.h"
#include "reader/main_msg.h"
#include "reader/main_msg_window.h"
#include "reader/reader_layout.h"
#include "reader/slider_moves.h"
#include "reader/tray_icon_data.h"
#include "reader/window_services.h"

#include <cstdint>

namespace lumio {
// The insert-after values as the core numbers them (the system spells them as handles).
inline constexpr std::int32_t kInsertTopmost = HWND_TOPMOST;
inline constexpr std::int32_t kInsertNotTopmost = HWND_NOTOPMOST;
// The cursor ids as numbers (the system spells them as resource names).
inline constexpr std::int32_t kCursorArrow = IDC_ARROW;
inline constexpr std::int32_t kCursorHand = IDC_HAND;
} // namespace lumio

// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
// clang-format on

// Names the core uses for its own members and classes.
#undef MessageBox
#undef ShellExecute
#undef Shell_NotifyIcon
#undef DrawText
