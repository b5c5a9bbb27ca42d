// A program that takes the whole screen the way slide shows and games do: a borderless
// popup window covering the primary monitor, made the foreground window. A click on it
// closes it. Prints "shown" once it is up.
// Usage: lumio_full_screen_window
#include <cstdio>
#include <windows.h>

namespace {

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONUP:
        ::DestroyWindow(hwnd);
        return 0;
    case WM_DESTROY:
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace

int wmain() {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"LumioFullScreenWindow";
    ::RegisterClassExW(&wc);

    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& r = monitor.rcMonitor;
    HWND window =
        ::CreateWindowExW(0, wc.lpszClassName, L"lumio-full-screen", WS_POPUP, r.left, r.top,
                          r.right - r.left, r.bottom - r.top, nullptr, nullptr, instance, nullptr);
    if (!window) {
        std::fputs("no window\n", stderr);
        return 1;
    }
    ::ShowWindow(window, SW_SHOW);
    ::SetForegroundWindow(window);
    ::UpdateWindow(window);
    std::puts("shown");
    std::fflush(stdout);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
