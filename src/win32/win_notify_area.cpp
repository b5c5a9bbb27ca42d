#include "win32/win_notify_area.h"

#include <algorithm>

namespace lumio {

namespace {

template <std::size_t N>
void CopyField(wchar_t (&field)[N], const std::u16string& text) {
    const std::size_t n = std::min(text.size(), N - 1);
    std::copy_n(text.begin(), n, field);
    field[n] = L'\0';
}

} // namespace

NOTIFYICONDATAW WinNotifyArea::SystemRecord(const TrayIconData& data) const {
    NOTIFYICONDATAW record{};
    record.cbSize = sizeof(record);
    record.hWnd = windowOf_ ? windowOf_(data.hWnd) : nullptr;
    record.uID = data.uID;
    // The core's flags and balloon icons are the system's numbers.
    record.uFlags = data.uFlags;
    record.uCallbackMessage = data.uCallbackMessage;
    record.hIcon = iconOf_ ? iconOf_(data.hIcon) : nullptr;
    CopyField(record.szTip, data.szTip);
    record.dwState = data.dwState;
    record.dwStateMask = data.dwStateMask;
    CopyField(record.szInfo, data.szInfo);
    record.uTimeout = data.uTimeout;
    CopyField(record.szInfoTitle, data.szInfoTitle);
    record.dwInfoFlags = data.dwInfoFlags;
    return record;
}

bool WinNotifyArea::SystemShell(DWORD message, NOTIFYICONDATAW& record) {
    return ::Shell_NotifyIconW(message, &record) != FALSE;
}

bool WinNotifyArea::Shell_NotifyIcon(std::int32_t message, const TrayIconData& data) {
    NOTIFYICONDATAW record = SystemRecord(data);
    if (!record.hWnd) {
        return false;
    }
    const bool done = shell_(static_cast<DWORD>(message), record);
    const auto key = std::make_pair(data.hWnd, data.uID);
    if (message == NIM_ADD) {
        // Kept even when the shell refused it: it is added again when the shell is up.
        const bool balloon = (data.uFlags & NIF_INFO) != 0;
        icons_[key] = {data, done, done && balloon};
    } else if (message == NIM_DELETE) {
        icons_.erase(key);
    }
    return done;
}

void WinNotifyArea::AddAgain() {
    for (auto& [key, icon] : icons_) {
        NOTIFYICONDATAW record = SystemRecord(icon.data);
        if (icon.announced) {
            record.uFlags &= ~static_cast<UINT>(NIF_INFO);
        }
        icon.shown = record.hWnd && shell_(NIM_ADD, record);
        icon.announced = icon.announced || (icon.shown && (record.uFlags & NIF_INFO) != 0);
    }
}

bool WinNotifyArea::HasIcons() const {
    for (const auto& [key, icon] : icons_) {
        if (icon.shown) {
            return true;
        }
    }
    return false;
}

} // namespace lumio
