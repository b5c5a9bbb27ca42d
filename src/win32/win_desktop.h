#pragma once

#include "platform/standard_modules_desktop.h"
#include "platform/window_registry.h"
#include "win32/win_api.h"

#include <map>

namespace lumio {

// The desktop services over the real system: our windows are real windows registered
// here under the core's handles; the pointer, capture, cursors and leave notifications
// are the system's. Focus moves by keystroke are posted to the window that owns the
// tab order, so they run when pending messages are processed, as typed keys would.
class WinDesktop final : public StandardModulesDesktop {
public:
    explicit WinDesktop(WindowRegistry& windows) : windows_(windows) {}

    void Register(WindowHandle handle, HWND window);
    void Unregister(WindowHandle handle);
    HWND WindowOf(WindowHandle handle) const;
    WindowHandle HandleOf(HWND window) const;
    // Where "{TAB}" and "+{TAB}" go: `message` with wParam 1 for backwards.
    void SetFocusMover(HWND window, UINT message) {
        focusOwner_ = window;
        focusMessage_ = message;
    }
    // A window's WM_SETCURSOR: shows the cursor last set over it again, so the system's
    // arrow does not flicker over a hand; false when none was set.
    bool ReapplyCursor(WindowHandle handle);

    Point GetCursorPos() override;
    WindowHandle WindowFromPoint(Point screen) override;
    WindowHandle SetCapture(WindowHandle window) override;
    WindowHandle GetCapture() override;
    bool ReleaseCapture() override;
    CursorHandle LoadCursorA(ModuleHandle module, std::int32_t cursor_id) override;
    CursorHandle SetCursor(CursorHandle cursor) override;
    bool TrackMouseEvent(const TrackMouseEventRecord& request) override;
    bool ComctlTrackMouseEvent(const TrackMouseEventRecord& request) override;
    void SendKeys(std::string_view keys) override;
    void ProcessPendingMessages() override;

private:
    bool Track(const TrackMouseEventRecord& request, bool comctl);

    WindowRegistry& windows_;
    std::map<WindowHandle, HWND> byHandle_;
    std::map<HWND, WindowHandle> byWindow_;
    HWND focusOwner_ = nullptr;
    UINT focusMessage_ = 0;
    CursorHandle cursor_ = 0;     // the cursor SetCursor showed last ...
    WindowHandle cursorOver_ = 0; // ... over this window
};

} // namespace lumio
