#include "win32/win_command_line.h"

#include "platform/utf.h"
#include "win32/wide.h"
#include "win32/win_api.h"

namespace lumio {

WinCommandLine ParseWinCommandLine(const std::vector<std::u16string>& args) {
    // Options and their values are ASCII: UTF-8 serves to read them.
    std::vector<std::string> utf8;
    utf8.reserve(args.size());
    for (const std::u16string& arg : args) {
        utf8.push_back(ToUtf8(arg));
    }
    WinCommandLine result{ParseCommandLine(utf8, ToolkitOptions::None), {}};
    if (result.command.fileAt) {
        result.file = args[*result.command.fileAt];
    }
    return result;
}

std::vector<std::u16string> ProgramArguments() {
    int count = 0;
    wchar_t** argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
    std::vector<std::u16string> args;
    for (int i = 1; argv != nullptr && i < count; ++i) {
        args.push_back(FromWide(argv[i]));
    }
    ::LocalFree(argv);
    return args;
}

} // namespace lumio
