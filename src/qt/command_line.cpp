#include "qt/command_line.h"

#include <array>
#include <string_view>

namespace lumio {

namespace {

// Qt's own options that take a value: they and their value are Qt's business.
constexpr std::array<std::string_view, 7> kQtOptionsWithValue = {
    "-platform",   "-display",         "-geometry",     "-style",
    "-stylesheet", "-qwindowgeometry", "-platformtheme"};

bool IsQtOptionWithValue(std::string_view arg) {
    for (std::string_view o : kQtOptionsWithValue) {
        if (arg == o) {
            return true;
        }
    }
    return false;
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine result;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!onlyFiles && arg == "--") {
            onlyFiles = true;
        } else if (!onlyFiles && (arg == "--help" || arg == "-h")) {
            return {CommandLine::Action::Help, {}, {}};
        } else if (!onlyFiles && arg == "--version") {
            return {CommandLine::Action::Version, {}, {}};
        } else if (!onlyFiles && IsQtOptionWithValue(arg)) {
            ++i;
        } else if (!onlyFiles && arg.size() > 1 && arg[0] == '-') {
            return {CommandLine::Action::Error, {}, "unknown option " + arg};
        } else if (!result.file.empty()) {
            return {CommandLine::Action::Error, {}, "only one FILE can be opened"};
        } else {
            result.file = arg;
        }
    }
    return result;
}

std::string HelpText() {
    return "Usage: lumio [FILE.txt]\n"
           "Shows a plain-text (GBK) document as a one-line ticker in a small strip that\n"
           "stays above other windows. FILE is opened at start-up as if it had been\n"
           "dropped on the window.\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n"
           "\n"
           "In the strip: the first button starts and pauses reading, then pause, stop,\n"
           "the speed and start-point sliders, open, pin, web page and exit. Drag the\n"
           "title band to move it. The tray icon brings it back (left click) or hides\n"
           "it (right click).\n";
}

std::string VersionText() {
    return std::string("lumio ") + LUMIO_VERSION + "\n";
}

} // namespace lumio
