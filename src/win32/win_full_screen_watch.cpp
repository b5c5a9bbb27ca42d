#include "win32/win_full_screen_watch.h"

#include <cwchar>

namespace lumio {

namespace {

// The watch the system's callbacks reach (they carry no pointer of ours).
WinFullScreenWatch* running = nullptr;

Rect FromRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (::GetMonitorInfoW(monitor, &info)) {
        reinterpret_cast<std::vector<Rect>*>(list)->push_back(FromRect(info.rcMonitor));
    }
    return TRUE;
}

// The desktop and the shell's own windows (desktop icons, the taskbars) cover the
// screen without being a full-screen program.
bool IsShell(HWND window) {
    if (window == ::GetDesktopWindow() || window == ::GetShellWindow()) {
        return true;
    }
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    for (const wchar_t* shell :
         {L"Progman", L"WorkerW", L"Shell_TrayWnd", L"Shell_SecondaryTrayWnd"}) {
        if (std::wcscmp(name, shell) == 0) {
            return true;
        }
    }
    return false;
}

} // namespace

WinFullScreenWatch::WinFullScreenWatch(HWND strip) : strip_(strip) {}

WinFullScreenWatch::~WinFullScreenWatch() {
    Stop();
}

bool WinFullScreenWatch::Start(std::function<void(const ScreenState&)> seen) {
    if (running != nullptr) {
        return running == this;
    }
    seen_ = std::move(seen);
    foregroundHook_ = ::SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                        OnEvent, 0, 0, WINEVENT_OUTOFCONTEXT);
    poll_ = ::SetTimer(nullptr, 0, kFullScreenPollMs, OnPoll);
    if (!foregroundHook_ && !poll_) {
        return false;
    }
    running = this;
    LookAndTell();
    return true;
}

void WinFullScreenWatch::Stop() {
    if (running != this) {
        return;
    }
    running = nullptr;
    FollowMoves(nullptr);
    if (foregroundHook_) {
        ::UnhookWinEvent(foregroundHook_);
        foregroundHook_ = nullptr;
    }
    if (poll_) {
        ::KillTimer(nullptr, poll_);
        poll_ = 0;
    }
}

void CALLBACK WinFullScreenWatch::OnEvent(HWINEVENTHOOK, DWORD event, HWND window, LONG object,
                                          LONG child, DWORD, DWORD) {
    if (!running) {
        return;
    }
    // Moves of anything but the foreground window itself (its caret, its child windows,
    // other windows of its program) change nothing here.
    if (event == EVENT_OBJECT_LOCATIONCHANGE &&
        (object != OBJID_WINDOW || child != CHILDID_SELF || window != ::GetForegroundWindow())) {
        return;
    }
    running->LookAndTell();
}

void CALLBACK WinFullScreenWatch::OnPoll(HWND, UINT, UINT_PTR, DWORD) {
    if (running) {
        running->LookAndTell();
    }
}

void WinFullScreenWatch::LookAndTell() {
    const ScreenState screen = Look();
    FollowMoves(reinterpret_cast<HWND>(static_cast<std::uintptr_t>(screen.front.id)));
    seen_(screen);
}

// Location changes come for every window, caret and cursor of the desktop: only those of
// the foreground window's program are asked for, and none of our own (a look with the
// strip in front changes nothing).
void WinFullScreenWatch::FollowMoves(HWND foreground) {
    DWORD process = 0;
    if (foreground) {
        ::GetWindowThreadProcessId(foreground, &process);
    }
    if (process == ::GetCurrentProcessId()) {
        process = 0;
    }
    if (process == followedProcess_ && (moveHook_ || process == 0)) {
        return;
    }
    if (moveHook_) {
        ::UnhookWinEvent(moveHook_);
        moveHook_ = nullptr;
    }
    followedProcess_ = process;
    if (process != 0) {
        moveHook_ = ::SetWinEventHook(EVENT_OBJECT_LOCATIONCHANGE, EVENT_OBJECT_LOCATIONCHANGE,
                                      nullptr, OnEvent, process, 0, WINEVENT_OUTOFCONTEXT);
    }
}

ScreenState WinFullScreenWatch::Look() const {
    ScreenState screen;
    ::EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&screen.monitors));
    RECT strip{};
    if (::GetWindowRect(strip_, &strip)) {
        screen.strip = FromRect(strip);
    }
    QUERY_USER_NOTIFICATION_STATE shell{};
    bool fullScreenProgram = false;
    if (SUCCEEDED(::SHQueryUserNotificationState(&shell))) {
        screen.presentation = shell == QUNS_PRESENTATION_MODE;
        fullScreenProgram = shell == QUNS_BUSY || shell == QUNS_RUNNING_D3D_FULL_SCREEN;
    }
    HWND front = ::GetForegroundWindow();
    RECT frame{};
    if (!front || !::GetWindowRect(front, &frame)) {
        return screen;
    }
    const LONG_PTR style = ::GetWindowLongPtrW(front, GWL_STYLE);
    screen.front.id = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(front));
    screen.front.frame = FromRect(frame);
    // The shell's busy state names no window: the one in front is taken to be the
    // full-screen program.
    screen.front.saysFullScreen = fullScreenProgram;
    screen.front.decorated = (style & WS_CAPTION) == WS_CAPTION;
    screen.front.shell = IsShell(front);
    screen.front.minimised = ::IsIconic(front) != FALSE;
    DWORD process = 0;
    ::GetWindowThreadProcessId(front, &process);
    screen.front.ours = process == ::GetCurrentProcessId();
    return screen;
}

} // namespace lumio
