#pragma once

#include "win32/win_api.h"

#include <functional>
#include <map>
#include <utility>

namespace lumio {

// The notification area of the shell: the core's records as the system's wide record.
// Every icon added is remembered, whether the shell took it or not, so it can be added
// when the shell (re)starts (the "TaskbarCreated" message): at log-in a program may start
// before the shell is ready, and Explorer may restart while it runs.
class WinNotifyArea final : public NotifyArea {
public:
    // Shell_NotifyIconW, or a test's stand-in.
    using ShellCall = std::function<bool(DWORD message, NOTIFYICONDATAW& record)>;

    WinNotifyArea(std::function<HWND(WindowHandle)> windowOf,
                  std::function<HICON(IconHandle)> iconOf, ShellCall shell = SystemShell)
        : windowOf_(std::move(windowOf)), iconOf_(std::move(iconOf)), shell_(std::move(shell)) {}

    bool Shell_NotifyIcon(std::int32_t message, const TrayIconData& data) override;
    // The shell (re)started: every icon of ours comes back. One the shell never took
    // shows its balloon now; one it had shows it no more.
    void AddAgain();
    // Whether the shell holds an icon of ours.
    bool HasIcons() const;

    // The system's record for the core's (a copy of each string, cut to its field).
    NOTIFYICONDATAW SystemRecord(const TrayIconData& data) const;

    static bool SystemShell(DWORD message, NOTIFYICONDATAW& record);

private:
    struct Icon {
        TrayIconData data;
        bool shown = false;     // the shell holds it
        bool announced = false; // its balloon has been shown
    };

    std::function<HWND(WindowHandle)> windowOf_;
    std::function<HICON(IconHandle)> iconOf_;
    ShellCall shell_;
    std::map<std::pair<WindowHandle, std::uint32_t>, Icon> icons_;
};

} // namespace lumio
