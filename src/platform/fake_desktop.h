#pragma once

#include "platform/desktop_services.h"
#include "platform/module_table.h"
#include "platform/rect.h"
#include "platform/window_registry.h"

#include <cstddef>
#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace lumio {

// A desktop for tests: no display, no clock. The test places windows on a screen, moves
// the pointer, sets the tab order and the focus; every message the desktop produces goes
// through the windows' chains in the registry, at a moment the test chooses. Every
// service the code under test asks for is written to a call log ("SetCapture(65540)").
class FakeDesktop final : public DesktopServices {
public:
    explicit FakeDesktop(WindowRegistry& windows);

    Point GetCursorPos() override;
    WindowHandle WindowFromPoint(Point screen) override;
    WindowHandle SetCapture(WindowHandle window) override;
    WindowHandle GetCapture() override;
    bool ReleaseCapture() override;
    CursorHandle LoadCursorA(ModuleHandle module, std::int32_t cursor_id) override;
    CursorHandle SetCursor(CursorHandle cursor) override;
    bool TrackMouseEvent(const TrackMouseEventRecord& request) override;
    bool ComctlTrackMouseEvent(const TrackMouseEventRecord& request) override;
    ModuleHandle GetModuleHandleA(std::string_view module) override;
    ModuleHandle LoadLibraryA(std::string_view module) override;
    FunctionAddress GetProcAddress(ModuleHandle module, std::string_view function) override;
    bool FreeLibrary(ModuleHandle module) override;
    void SendKeys(std::string_view keys) override;
    void ProcessPendingMessages() override;

    // The screen. A window is found under the pointer only once placed; a child wins over
    // its ancestors, and of two unrelated windows the one placed last lies on top.
    void PlaceWindow(WindowHandle window, Rect screen);

    // Moves the pointer. First every window with a pending leave request that is no longer
    // under the pointer receives its WM_MOUSELEAVE (a request made while the pointer was
    // already elsewhere is answered by this move); then the capture window, or else the
    // window under the pointer, receives WM_MOUSEMOVE with `keys` and the point in its
    // client coordinates.
    void MovePointer(Point screen, WParam keys = 0);
    bool IsTrackingLeave(WindowHandle window) const;
    // Puts the pointer there without a message: for a caller that delivers the moves and
    // leave notifications itself and only wants GetCursorPos and WindowFromPoint to agree.
    void PlacePointer(Point screen) { pointer_ = screen; }

    // Keyboard focus. SetFocus sends WM_KILLFOCUS to the window losing it and then
    // WM_SETFOCUS to the one gaining it (each with the other's handle) and answers the
    // window that had it; a handle that is no window is refused with 0.
    void SetTabOrder(std::vector<WindowHandle> order);
    WindowHandle SetFocus(WindowHandle window);
    WindowHandle GetFocus() const;

    // Queues a message for ProcessPendingMessages.
    void PostMessage(WindowHandle window, MessageNumber message, WParam wParam, LParam lParam);
    std::size_t pending() const noexcept { return pending_.size(); }

    // The system libraries (ModuleTable::Standard() at first) and cursors.
    ModuleTable& modules() noexcept { return modules_; }
    void RemoveSystemCursor(std::int32_t cursor_id) { system_cursors_.erase(cursor_id); }
    CursorHandle cursor() const noexcept { return cursor_; }

    const std::vector<std::string>& calls() const noexcept { return calls_; }
    // How many logged calls were to `function`.
    std::size_t CallCount(std::string_view function) const;
    void ClearCalls() { calls_.clear(); }

private:
    struct Placement {
        WindowHandle window = 0;
        Rect screen;
    };

    void Log(std::string_view function, std::initializer_list<std::int64_t> args,
             std::string_view text = {});
    bool Track(const TrackMouseEventRecord& request);
    WindowHandle TopWindowAt(Point screen) const;
    bool CanTakeInput(WindowHandle window) const;
    const Placement* PlacementOf(WindowHandle window) const;
    void MoveFocus(int step);
    WindowHandle Live(WindowHandle window) const { return windows_.IsWindow(window) ? window : 0; }

    WindowRegistry& windows_;
    ModuleTable modules_ = ModuleTable::Standard();
    std::vector<Placement> placements_; // oldest first
    Point pointer_;
    WindowHandle capture_ = 0;
    WindowHandle focus_ = 0;
    std::vector<WindowHandle> tab_order_;
    std::vector<WindowHandle> leave_requests_; // in the order asked
    std::map<std::int32_t, CursorHandle> system_cursors_;
    CursorHandle cursor_ = 0;
    std::deque<std::function<void()>> pending_;
    std::vector<std::string> calls_;
};

} // namespace lumio
