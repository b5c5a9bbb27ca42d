#pragma once

#include <string>
#include <vector>

namespace lumio {

// What the command line asks for: `lumio [FILE]`, `lumio --help`, `lumio --version`.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    std::string file;  // the document to open at start-up, as given; empty for none
    std::string error; // for Action::Error: what was wrong
};

// Reads the arguments after the program name. Options Qt itself understands (such as
// -platform or -display with their values) are left to Qt and skipped here.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The texts printed for --help and --version.
std::string HelpText();
std::string VersionText();

} // namespace lumio
