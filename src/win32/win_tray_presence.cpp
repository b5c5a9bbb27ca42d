#include "win32/win_tray_presence.h"

namespace lumio {

bool TrayIconPresent(HWND window, UINT id) {
    NOTIFYICONDATAW record{};
    record.cbSize = sizeof(record);
    record.hWnd = window;
    record.uID = id;
    return ::Shell_NotifyIconW(NIM_MODIFY, &record) != FALSE;
}

} // namespace lumio
