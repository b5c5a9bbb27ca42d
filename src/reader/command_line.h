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
// `lumio [--speed V] [--start V] [--boss-key KEYS|none] [FILE]`, `--help`, `--version`.
struct CommandLine {
    enum class Action { Run, Help, Version, Error };
    Action action = Action::Run;
    std::string file;    // the document to open at start-up, as given; empty for none
    std::string error;   // for Action::Error: what was wrong
    SliderMoves sliders; // moved after the load
    std::optional<HotKey> bossKey = BossKey::kDefault; // none: `--boss-key none`
    TextEncoding encoding = TextEncoding::Auto;        // how documents are read
};

// Reads the arguments after the program name. Options Qt itself understands (such as
// -platform or -display with their values) are left to Qt and skipped here.
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The texts printed for --help and --version.
std::string HelpText();
std::string VersionText();

} // namespace lumio
