#pragma once

#include "reader/command_line.h"

#include <string>
#include <vector>

namespace lumio {

// The program's command line as Windows holds it, in UTF-16: read as the core reads
// every command line, with FILE kept exactly as given. A name need not be valid UTF-16
// (the file system allows a lone surrogate), and through UTF-8 it would come back as
// another name.
struct WinCommandLine {
    CommandLine command;
    std::u16string file; // empty for none
};

// `args` are the arguments after the program's name. Nothing but the program reads
// them: Qt's options are not skipped here.
WinCommandLine ParseWinCommandLine(const std::vector<std::u16string>& args);

// This process's arguments after its name.
std::vector<std::u16string> ProgramArguments();

} // namespace lumio
