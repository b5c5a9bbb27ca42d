#pragma once

#include "win32/win_api.h"

#include <functional>

namespace lumio {

// The shell opens a document or address with the user's program for it.
class WinShell final : public Shell {
public:
    // Turns the core's window handle into the system's (null when it has none).
    explicit WinShell(std::function<HWND(WindowHandle)> windowOf)
        : windowOf_(std::move(windowOf)) {}
    void ShellExecute(WindowHandle owner, std::u16string_view operation, std::u16string_view file,
                      std::u16string_view parameters, std::u16string_view directory,
                      std::int32_t showCommand) override;

private:
    std::function<HWND(WindowHandle)> windowOf_;
};

} // namespace lumio
