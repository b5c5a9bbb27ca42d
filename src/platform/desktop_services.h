#pragma once

#include "platform/messages.h"
#include "platform/point.h"

#include <cstdint>
#include <string_view>

namespace lumio {

using CursorHandle = std::int32_t;    // 0 is "no cursor"
using ModuleHandle = std::int32_t;    // 0 is "no module"
using FunctionAddress = std::int32_t; // 0 is "not exported"

inline constexpr std::int32_t IDC_ARROW = 32512;
inline constexpr std::int32_t IDC_HAND = 32649;

inline constexpr std::uint32_t TME_LEAVE = 0x00000002;

// The request for a leave notification: 16 bytes on the platform, and checked as such.
struct TrackMouseEventRecord {
    std::uint32_t cbSize = 16;
    std::uint32_t dwFlags = TME_LEAVE;
    WindowHandle hwndTrack = 0;
    std::uint32_t dwHoverTime = 0;
};
static_assert(sizeof(TrackMouseEventRecord) == 16);

// The desktop as the controls' input handling needs it: where the pointer is and what is
// under it, mouse capture, cursors, leave notifications, which system functions exist,
// focus moves by keystroke, and letting pending messages run. The desktop program
// implements it over the toolkit; tests use FakeDesktop.
class DesktopServices {
public:
    virtual ~DesktopServices() = default;

    // The pointer in screen coordinates, and the window under a screen point (0 for none).
    // Hidden and disabled windows are never answered: the point then belongs to the
    // window beneath.
    virtual Point GetCursorPos() = 0;
    virtual WindowHandle WindowFromPoint(Point screen) = 0;

    // Mouse capture: pointer input goes to one window until released. SetCapture answers
    // the window that held the capture before.
    virtual WindowHandle SetCapture(WindowHandle window) = 0;
    virtual WindowHandle GetCapture() = 0;
    virtual bool ReleaseCapture() = 0;

    // Cursors. A system cursor is loaded with no module; 0 when there is no such cursor.
    // SetCursor answers the cursor shown before.
    virtual CursorHandle LoadCursorA(ModuleHandle module, std::int32_t cursor_id) = 0;
    virtual CursorHandle SetCursor(CursorHandle cursor) = 0;

    // One WM_MOUSELEAVE for the record's window, the next time the pointer leaves it.
    // Asking again before it came still gives one. False for a malformed record or a
    // window that does not exist. The second entry is the same service as offered by the
    // common-controls library.
    virtual bool TrackMouseEvent(const TrackMouseEventRecord& request) = 0;
    virtual bool ComctlTrackMouseEvent(const TrackMouseEventRecord& request) = 0;

    // System libraries: enough to tell whether one exports a function. Names are ANSI;
    // library names ignore case and an optional ".dll", function names do not.
    virtual ModuleHandle GetModuleHandleA(std::string_view module) = 0;
    virtual ModuleHandle LoadLibraryA(std::string_view module) = 0;
    virtual FunctionAddress GetProcAddress(ModuleHandle module, std::string_view function) = 0;
    virtual bool FreeLibrary(ModuleHandle module) = 0;

    // Keystrokes into the input stream: "{TAB}" moves the focus to the next control in
    // the container's tab order, "+{TAB}" to the previous one. Like any input, they take
    // effect when pending messages are processed.
    virtual void SendKeys(std::string_view keys) = 0;
    // Lets every pending message and queued input run now.
    virtual void ProcessPendingMessages() = 0;
};

} // namespace lumio
