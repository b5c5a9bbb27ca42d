#include "win32/win_desktop.h"

namespace lumio {

namespace {

// Cursors are the system's own, by id; a handle is the id itself.
HCURSOR SystemCursor(CursorHandle cursor) {
    return ::LoadCursorW(nullptr,
                         MAKEINTRESOURCEW(cursor == kCursorHand ? kCursorHand : kCursorArrow));
}

} // namespace

void WinDesktop::Register(WindowHandle handle, HWND window) {
    byHandle_[handle] = window;
    byWindow_[window] = handle;
}

void WinDesktop::Unregister(WindowHandle handle) {
    const auto it = byHandle_.find(handle);
    if (it != byHandle_.end()) {
        byWindow_.erase(it->second);
        byHandle_.erase(it);
    }
    if (cursorOver_ == handle) {
        cursorOver_ = 0;
    }
}

HWND WinDesktop::WindowOf(WindowHandle handle) const {
    const auto it = byHandle_.find(handle);
    return it == byHandle_.end() ? nullptr : it->second;
}

WindowHandle WinDesktop::HandleOf(HWND window) const {
    const auto it = byWindow_.find(window);
    return it == byWindow_.end() ? 0 : it->second;
}

Point WinDesktop::GetCursorPos() {
    POINT p{};
    ::GetCursorPos(&p);
    return {p.x, p.y};
}

WindowHandle WinDesktop::WindowFromPoint(Point screen) {
    // The system skips hidden and disabled windows and the colour key's holes; a child
    // of ours without a core handle (a trackbar's part) answers for its parent.
    for (HWND w = ::WindowFromPoint(POINT{screen.x, screen.y}); w; w = ::GetParent(w)) {
        if (const WindowHandle handle = HandleOf(w)) {
            return handle;
        }
    }
    return 0;
}

WindowHandle WinDesktop::SetCapture(WindowHandle window) {
    HWND w = WindowOf(window);
    if (!w) {
        return GetCapture();
    }
    return HandleOf(::SetCapture(w));
}

WindowHandle WinDesktop::GetCapture() {
    return HandleOf(::GetCapture());
}

bool WinDesktop::ReleaseCapture() {
    return ::ReleaseCapture() != FALSE;
}

CursorHandle WinDesktop::LoadCursorA(ModuleHandle module, std::int32_t cursor_id) {
    if (module != 0) {
        return 0; // only the system's own cursors are here
    }
    return cursor_id == kCursorHand || cursor_id == kCursorArrow ? cursor_id : 0;
}

CursorHandle WinDesktop::SetCursor(CursorHandle cursor) {
    const CursorHandle before = cursor_ ? cursor_ : kCursorArrow;
    cursor_ = cursor;
    cursorOver_ = GetCapture() ? GetCapture() : WindowFromPoint(GetCursorPos());
    ::SetCursor(cursor ? SystemCursor(cursor) : nullptr);
    return before;
}

bool WinDesktop::ReapplyCursor(WindowHandle handle) {
    if (cursor_ == 0 || cursorOver_ != handle) {
        return false;
    }
    ::SetCursor(SystemCursor(cursor_));
    return true;
}

bool WinDesktop::Track(const TrackMouseEventRecord& request, bool comctl) {
    HWND w = WindowOf(request.hwndTrack);
    if (request.cbSize != sizeof(TrackMouseEventRecord) || (request.dwFlags & TME_LEAVE) == 0 ||
        !w) {
        return false;
    }
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof(track);
    track.dwFlags = TME_LEAVE;
    track.hwndTrack = w;
    track.dwHoverTime = HOVER_DEFAULT;
    return (comctl ? ::_TrackMouseEvent(&track) : ::TrackMouseEvent(&track)) != FALSE;
}

bool WinDesktop::TrackMouseEvent(const TrackMouseEventRecord& request) {
    return Track(request, false);
}

bool WinDesktop::ComctlTrackMouseEvent(const TrackMouseEventRecord& request) {
    return Track(request, true);
}

void WinDesktop::SendKeys(std::string_view keys) {
    const bool back = keys == "+{TAB}";
    if ((back || keys == "{TAB}") && focusOwner_) {
        ::PostMessageW(focusOwner_, focusMessage_, back ? 1 : 0, 0);
    }
}

void WinDesktop::ProcessPendingMessages() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam)); // for the main loop to see
            return;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

} // namespace lumio
