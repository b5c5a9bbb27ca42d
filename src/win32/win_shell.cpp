#include "win32/win_shell.h"

#include "win32/wide.h"

namespace lumio {

void WinShell::ShellExecute(WindowHandle owner, std::u16string_view operation,
                            std::u16string_view file, std::u16string_view parameters,
                            std::u16string_view directory, std::int32_t showCommand) {
    ::ShellExecuteW(windowOf_ ? windowOf_(owner) : nullptr, WideCopy(operation).c_str(),
                    WideCopy(file).c_str(), WideCopy(parameters).c_str(),
                    WideCopy(directory).c_str(), showCommand);
}

} // namespace lumio
