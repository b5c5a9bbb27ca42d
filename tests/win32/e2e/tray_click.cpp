// Clicks the notification-area icon that Wine docked in the X tray, from the Windows
// side: Wine 8 gives the docked icon a window that lies below the proxy of the tray's
// own X socket, so a real X click on it is delivered to that proxy and never reaches
// the icon. Posting the button messages to the icon's window takes the rest of the real
// path (Wine's shell relays them to the program as its tray callback).
// Usage: lumio_tray_click left|right   (exit 1 when no docked icon is found)
#include <cstdio>
#include <cwchar>
#include <windows.h>

namespace {

HWND found = nullptr;

BOOL CALLBACK Look(HWND window, LPARAM) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    if (std::wcscmp(name, L"__winex11_tray_icon") == 0) {
        found = window;
        return FALSE;
    }
    ::EnumChildWindows(window, Look, 0);
    return found == nullptr;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const bool right = argc == 2 && std::wcscmp(argv[1], L"right") == 0;
    if (argc != 2 || (!right && std::wcscmp(argv[1], L"left") != 0)) {
        std::fputs("usage: lumio_tray_click left|right\n", stderr);
        return 2;
    }
    ::EnumWindows(Look, 0);
    if (!found) {
        std::fputs("no docked tray icon\n", stderr);
        return 1;
    }
    RECT r{};
    ::GetClientRect(found, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
    ::PostMessageW(found, right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON,
                   at);
    ::Sleep(100); // a press and a release as a hand makes them
    ::PostMessageW(found, right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, at);
    return 0;
}
