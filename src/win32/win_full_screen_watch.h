#pragma once

#include "reader/full_screen.h"
#include "win32/win_api.h"

#include <functional>

namespace lumio {

// Looks at the Windows desktop for the auto-hide rule: the foreground window, its place,
// frame and state, what the shell says of full-screen programs and presentations
// (SHQueryUserNotificationState), the monitors and the strip. It looks again when the
// foreground window changes or moves (SetWinEventHook, out of context, so the events
// come through the program's message loop), and every kFullScreenPollMs besides, for
// what no event tells (the shell's state, a monitor plugged in, Wine, which sends these
// events to no other program). One watch at a time per program.
class WinFullScreenWatch {
public:
    explicit WinFullScreenWatch(HWND strip);
    ~WinFullScreenWatch();
    WinFullScreenWatch(const WinFullScreenWatch&) = delete;
    WinFullScreenWatch& operator=(const WinFullScreenWatch&) = delete;

    // Starts watching, telling `seen` of every look, the first at once; false when the
    // system refuses.
    bool Start(std::function<void(const ScreenState&)> seen);
    void Stop();

    // The desktop as it is now.
    ScreenState Look() const;

private:
    static void CALLBACK OnEvent(HWINEVENTHOOK hook, DWORD event, HWND window, LONG object,
                                 LONG child, DWORD thread, DWORD time);
    static void CALLBACK OnPoll(HWND, UINT, UINT_PTR, DWORD);
    void LookAndTell();
    void FollowMoves(HWND foreground);

    HWND strip_ = nullptr;
    std::function<void(const ScreenState&)> seen_;
    HWINEVENTHOOK foregroundHook_ = nullptr;
    HWINEVENTHOOK moveHook_ = nullptr; // on the foreground window's process only
    DWORD followedProcess_ = 0;
    UINT_PTR poll_ = 0;
};

} // namespace lumio
