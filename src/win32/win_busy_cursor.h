#pragma once

#include "win32/win_api.h"

namespace lumio {

// The busy cursor during a long load. The load keeps the thread from its messages, so
// no WM_SETCURSOR puts the arrow back before Hide does.
class WinBusyCursor final : public BusyCursor {
public:
    void Show() override { before_ = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT)); }
    void Hide() override { ::SetCursor(before_); }

private:
    HCURSOR before_ = nullptr;
};

} // namespace lumio
