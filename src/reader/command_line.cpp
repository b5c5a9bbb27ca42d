#include "reader/command_line.h"

#include "platform/ascii.h"
#include "reader/lumio_version.h"

#include <array>
#include <charconv>
#include <string_view>

namespace lumio {

namespace {

// Where the reading memory lives, as the help tells it.
#ifdef _WIN32
constexpr std::string_view kMemoryFolder = "%LOCALAPPDATA%\\Lumio";
#else
constexpr std::string_view kMemoryFolder = "~/.local/state/lumio (or $XDG_STATE_HOME/lumio)";
#endif

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

constexpr std::int32_t kSliderMin = 0;
constexpr std::int32_t kSliderMax = 10;

std::optional<std::int32_t> SliderValue(std::string_view text) {
    std::int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < kSliderMin ||
        value > kSliderMax) {
        return std::nullopt;
    }
    return value;
}

// Words joined by ", ", broken into lines of at most `width` characters after `indent`.
std::string Wrapped(std::string_view list, std::size_t indent, std::size_t width) {
    std::string out;
    std::size_t column = indent;
    std::size_t from = 0;
    while (from < list.size()) {
        std::size_t comma = list.find(", ", from);
        const std::size_t end = comma == std::string_view::npos ? list.size() : comma + 1;
        const std::string_view word = list.substr(from, end - from);
        if (column + word.size() + 1 > width && column > indent) {
            out += "\n" + std::string(indent, ' ');
            column = indent;
        } else if (column > indent) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
        from = comma == std::string_view::npos ? list.size() : comma + 2;
    }
    return out;
}

CommandLine Failed(std::string error) {
    CommandLine result;
    result.action = CommandLine::Action::Error;
    result.error = std::move(error);
    return result;
}

CommandLine Only(CommandLine::Action action) {
    CommandLine result;
    result.action = action;
    return result;
}

bool TakesValue(std::string_view arg) {
    return arg == "--speed" || arg == "--start" || arg == "--boss-key" || arg == "--encoding";
}

// Reads one option's value into `result`; answers an error text, or "".
std::string ReadValue(std::string_view option, std::string_view value, CommandLine& result) {
    if (option == "--encoding") {
        const std::optional<TextEncoding> encoding = EncodingNamed(value);
        if (!encoding) {
            return "--encoding: unknown encoding '" + std::string(value) + "' (one of " +
                   EncodingNames() + ")";
        }
        result.encoding = *encoding;
        return {};
    }
    if (option == "--boss-key") {
        if (EqualsIgnoringAsciiCase(value, "none")) {
            result.bossKey.reset();
            return {};
        }
        HotKeyParse parsed = ParseHotKey(value);
        if (!parsed.key) {
            return "--boss-key: " + parsed.error;
        }
        result.bossKey = parsed.key;
        return {};
    }
    const std::optional<std::int32_t> number = SliderValue(value);
    if (!number) {
        return std::string(option) + " wants a whole number from 0 to 10, not '" +
               std::string(value) + "'";
    }
    (option == "--speed" ? result.sliders.speed : result.sliders.start) = number;
    return {};
}

} // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args, ToolkitOptions toolkit) {
    CommandLine result;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (!onlyFiles && arg == "--") {
            onlyFiles = true;
        } else if (!onlyFiles && (arg == "--help" || arg == "-h")) {
            return Only(CommandLine::Action::Help);
        } else if (!onlyFiles && arg == "--version") {
            return Only(CommandLine::Action::Version);
        } else if (!onlyFiles && arg == "--no-auto-hide") {
            result.autoHide = false;
        } else if (!onlyFiles && arg == "--new-instance") {
            result.newInstance = true;
        } else if (!onlyFiles && arg == "--no-memory") {
            result.noMemory = true;
        } else if (!onlyFiles && TakesValue(arg)) {
            if (i + 1 >= args.size()) {
                return Failed(arg + " needs a value");
            }
            std::string error = ReadValue(arg, args[++i], result);
            if (!error.empty()) {
                return Failed(std::move(error));
            }
        } else if (!onlyFiles && toolkit == ToolkitOptions::Qt && IsQtOptionWithValue(arg)) {
            ++i;
        } else if (!onlyFiles && arg.size() > 1 && arg[0] == '-') {
            return Failed("unknown option " + arg);
        } else if (!result.file.empty()) {
            return Failed("only one FILE can be opened");
        } else {
            result.file = arg;
            result.fileAt = i;
        }
    }
    return result;
}

std::string HelpText() {
    return "Usage: lumio [OPTION]... [FILE.txt]\n"
           "Shows a plain-text document as a one-line ticker in a small strip that\n"
           "stays above other windows. FILE is opened at start-up as if it had been\n"
           "dropped on the window.\n"
           "\n"
           "      --speed V        after the load, move the speed slider to V\n"
           "                       (0 slowest, 404 ms per character .. 10 fastest, 4 ms)\n"
           "      --start V        then move the start-point slider to V (0 .. 10)\n"
           "      --boss-key KEYS  the key that hides the strip from any program and shows\n"
           "                       it again (default ctrl+alt+h), such as ctrl+shift+F12\n"
           "                       or alt+grave: modifiers ctrl, alt, shift, win (super)\n"
           "                       and one key, in any case\n"
           "      --boss-key none  no boss key\n"
           "      --no-auto-hide   stay up over full-screen windows: without it the strip\n"
           "                       hides while a full-screen window or a presentation is\n"
           "                       in front on its monitor, and comes back after\n"
           "      --new-instance   open a strip of its own even when one is running\n"
           "      --no-memory      neither resume a document where it stopped nor remember\n"
           "                       where it stops; the memory is reading-memory.txt in\n"
           "                       " +
           std::string(kMemoryFolder) +
           "\n"
           "      --encoding NAME  read documents as NAME: auto (the default: a byte-order\n"
           "                       mark says; else UTF-8 when the text reads as UTF-8 with\n"
           "                       at most one bad sequence in 1,000 and is not GBK as\n"
           "                       much; else GBK, with GB18030's four-byte characters),\n"
           "                       gbk, gb18030, utf-8, utf-16le, utf-16be or big5\n"
           "  -h, --help           show this help and exit\n"
           "      --version        show the version and exit\n"
           "\n"
           "Key names: " +
           Wrapped(KnownKeyNames(), 11, 79) +
           ".\n"
           "\n"
           "In the strip: the first button starts and pauses reading, then pause, stop,\n"
           "the speed and start-point sliders, open, pin, web page and exit. Drag the\n"
           "title band to move it. The tray icon brings it back (left click) or hides\n"
           "it (right click); so does the boss key. When another program holds the boss\n"
           "key, Lumio says so once and runs without it.\n"
           "\n"
           "One strip runs per desktop session: starting lumio again shows the running\n"
           "strip and opens FILE in it (the other options are not handed over). Without\n"
           "a notification area Lumio says once how to bring the strip back.\n"
           "\n"

           "Each document opens where it was left. Right-click the viewer (or press the\n"
           "menu key or Shift+F10) for its chapters, to jump to a percentage or a chapter,\n"
           "to start from the beginning, or to stop remembering for this run.\n";
}

std::string VersionText() {
    return std::string("lumio ") + LUMIO_VERSION + "\n";
}

} // namespace lumio
