#pragma once

#include "platform/key_names.h"
#include "platform/text_encoding.h"
#include "reader/boss_key.h"
#include "reader/slider_moves.h"

#include <optional>
#include <string>
#include <vector>

namespace lumio {

// What the desktop program's command line asks for:
// `lumio [--speed V] [--start V] [--boss-key KEYS|none] [--no-auto-hide] [--new-instance]
// [FILE]`, `--help`, `--version`.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    std::string file;    // the document to open at start-up, as given; empty for none
    std::string error;   // for Action::Error: what was wrong
    SliderMoves sliders; // moved after the load
    std::optional<HotKey> bossKey = BossKey::kDefault; // none: `--boss-key none`
    // Where FILE stood among the arguments, so a front end whose system hands them over
    // in another form (UTF-16 on Windows) can take the name as the system gave it.
    std::optional<std::size_t> fileAt;
    bool autoHide = true;     // step aside for full-screen windows; off: `--no-auto-hide`
    bool newInstance = false; // `--new-instance`: a strip of its own, not handed over
    bool noMemory = false;    // `--no-memory`: no reading memory read or written
    TextEncoding encoding = TextEncoding::Auto; // how documents are read
};

// Whose options besides ours the command line may hold.
enum class ToolkitOptions {
    Qt,   // Qt takes its own (such as -platform or -display, with their values)
    None, // nothing else reads the command line: -style is as unknown as --bogus
};

// Reads the arguments after the program name. The toolkit's options are left to it and
// skipped here.
CommandLine ParseCommandLine(const std::vector<std::string>& args,
                             ToolkitOptions toolkit = ToolkitOptions::Qt);

// The texts printed for --help and --version.
std::string HelpText();
std::string VersionText();

} // namespace lumio
