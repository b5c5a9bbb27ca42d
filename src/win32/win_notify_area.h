#pragma once

#include "win32/win_api.h"

#include <functional>
#include <map>
#include <utility>

namespace lumio {

// The notification area of the shell: the core's records as the system's wide record.
// Icons added are remembered so they can be added again when the shell restarts (the
// "TaskbarCreated" message).
class WinNotifyArea final : public NotifyArea {
public:
    WinNotifyArea(std::function<HWND(WindowHandle)> windowOf,
                  std::function<HICON(IconHandle)> iconOf)
        : windowOf_(std::move(windowOf)), iconOf_(std::move(iconOf)) {}

    bool Shell_NotifyIcon(std::int32_t message, const TrayIconData& data) override;
    // The shell restarted: every icon of ours comes back.
    void AddAgain();
    bool HasIcons() const { return !added_.empty(); }

    // The system's record for the core's (a copy of each string, cut to its field).
    NOTIFYICONDATAW SystemRecord(const TrayIconData& data) const;

private:
    std::function<HWND(WindowHandle)> windowOf_;
    std::function<HICON(IconHandle)> iconOf_;
    std::map<std::pair<WindowHandle, std::uint32_t>, TrayIconData> added_;
};

} // namespace lumio
