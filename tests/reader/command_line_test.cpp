// The command line of the desktop program.
#include "reader/command_line.h"
#include "reader/lumio_version.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, ActionsAndFile) {
    struct Case {
        std::vector<std::string> args;
        Action action;
        std::string file;
    };
    const Case cases[] = {
        {{}, Action::Run, ""},
        {{"novel.txt"}, Action::Run, "novel.txt"},
        {{"--help"}, Action::Help, ""},
        {{"-h"}, Action::Help, ""},
        {{"a.txt", "--help"}, Action::Help, ""}, // help wins over a file
        {{"--version"}, Action::Version, ""},
        {{"--speedy"}, Action::Error, ""},
        {{"--speed"}, Action::Error, ""}, // no value
        {{"a.txt", "b.txt"}, Action::Error, ""},
        {{"--", "-odd.txt"}, Action::Run, "-odd.txt"},
        {{"-platform", "offscreen", "x.txt"}, Action::Run, "x.txt"}, // Qt's options are Qt's
        {{"-display", ":1", "--speed", "3", "y.txt"}, Action::Run, "y.txt"},
        {{"-"}, Action::Run, "-"}, // a lone dash is a file
        {{"--", "--speed"}, Action::Run, "--speed"},
        {{"--speed", "4", "--help"}, Action::Help, ""},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.args);
        const std::string shown = ::testing::PrintToString(c.args);
        EXPECT_EQ(line.action, c.action) << shown;
        EXPECT_EQ(line.file, c.file) << shown;
        EXPECT_EQ(line.error.empty(), c.action != Action::Error) << shown << ": " << line.error;
    }
}

TEST(CommandLine, ToolkitOptionsAreSkippedOnlyWhereTheToolkitReadsThem) {
    struct Case {
        std::vector<std::string> args;
        ToolkitOptions toolkit;
        Action action;
        std::optional<std::size_t> fileAt;
    };
    const Case cases[] = {
        {{"-style", "book.txt"}, ToolkitOptions::Qt, Action::Run, std::nullopt},
        {{"-style", "fusion", "book.txt"}, ToolkitOptions::Qt, Action::Run, 2},
        // Without Qt nothing takes -style, and it must not eat the file after it.
        {{"-style", "book.txt"}, ToolkitOptions::None, Action::Error, std::nullopt},
        {{"-display", ":1", "book.txt"}, ToolkitOptions::None, Action::Error, std::nullopt},
        {{"book.txt"}, ToolkitOptions::None, Action::Run, 0},
        {{"--speed", "3", "--", "-style"}, ToolkitOptions::None, Action::Run, 3},
        {{"--boss-key", "none", "--start", "2", "a.txt"}, ToolkitOptions::None, Action::Run, 4},
        {{"--speed", "3"}, ToolkitOptions::None, Action::Run, std::nullopt},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.args, c.toolkit);
        const std::string shown = ::testing::PrintToString(c.args);
        EXPECT_EQ(line.action, c.action) << shown << ": " << line.error;
        EXPECT_EQ(line.fileAt, c.fileAt) << shown;
        if (c.fileAt) {
            EXPECT_EQ(line.file, c.args[*c.fileAt]) << shown;
        }
    }
    EXPECT_EQ(ParseCommandLine({"-style", "book.txt"}, ToolkitOptions::None).error,
              "unknown option -style");
}

TEST(CommandLine, SliderValues) {
    struct Case {
        std::vector<std::string> args;
        std::optional<std::int32_t> speed;
        std::optional<std::int32_t> start;
    };
    const Case cases[] = {
        {{"a.txt"}, std::nullopt, std::nullopt},
        {{"--speed", "0", "a.txt"}, 0, std::nullopt},
        {{"--start", "10"}, std::nullopt, 10},
        {{"--start", "7", "--speed", "9", "a.txt"}, 9, 7},
        {{"--speed", "2", "--speed", "8"}, 8, std::nullopt}, // the last one counts
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.args);
        const std::string shown = ::testing::PrintToString(c.args);
        ASSERT_EQ(line.action, Action::Run) << shown << ": " << line.error;
        EXPECT_EQ(line.sliders.speed, c.speed) << shown;
        EXPECT_EQ(line.sliders.start, c.start) << shown;
    }
}

TEST(CommandLine, BadValuesSayWhatIsWrong) {
    struct Case {
        std::vector<std::string> args;
        std::string error;
    };
    const Case cases[] = {
        {{"--speed", "11"}, "--speed wants a whole number from 0 to 10, not '11'"},
        {{"--start", "-1"}, "--start wants a whole number from 0 to 10, not '-1'"},
        {{"--speed", "5x"}, "--speed wants a whole number from 0 to 10, not '5x'"},
        {{"--speed", ""}, "--speed wants a whole number from 0 to 10, not ''"},
        {{"--speed", "+5"}, "--speed wants a whole number from 0 to 10, not '+5'"},
        {{"--start", "99999999999"},
         "--start wants a whole number from 0 to 10, not '99999999999'"},
        {{"a.txt", "--start"}, "--start needs a value"},
        {{"--boss-key"}, "--boss-key needs a value"},
        {{"--boss-key", "ctrl+foo"}, "--boss-key: unknown key name 'foo' in 'ctrl+foo'"},
        {{"--boss-key", "ctrl+alt"}, "--boss-key: no key after the modifiers in 'ctrl+alt'"},
        {{"--boss-key", ""}, "--boss-key: no key given"},
        {{"--frobnicate"}, "unknown option --frobnicate"},
        {{"--encoding"}, "--encoding needs a value"},
        {{"--encoding", "latin1", "a.txt"},
         "--encoding: unknown encoding 'latin1' (one of auto, gbk, gb18030, utf-8, utf-16le, "
         "utf-16be, big5)"},
        {{"a.txt", "b.txt"}, "only one FILE can be opened"},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.args);
        EXPECT_EQ(line.action, Action::Error) << ::testing::PrintToString(c.args);
        EXPECT_EQ(line.error, c.error);
    }
}

TEST(CommandLine, BossKeyChoices) {
    struct Case {
        std::vector<std::string> args;
        std::optional<HotKey> key;
    };
    const Case cases[] = {
        {{}, HotKey{MOD_CONTROL | MOD_ALT, 'H'}},
        {{"--boss-key", "ctrl+shift+F12"}, HotKey{MOD_CONTROL | MOD_SHIFT, 0x7B}},
        {{"--boss-key", "ALT+Grave", "x.txt"}, HotKey{MOD_ALT, 0xC0}},
        {{"--boss-key", "none"}, std::nullopt},
        {{"--boss-key", "NONE"}, std::nullopt},
        {{"--boss-key", "none", "--boss-key", "win+b"}, HotKey{MOD_WIN, 'B'}},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.args);
        const std::string shown = ::testing::PrintToString(c.args);
        ASSERT_EQ(line.action, Action::Run) << shown << ": " << line.error;
        EXPECT_EQ(line.bossKey.has_value(), c.key.has_value()) << shown;
        if (line.bossKey && c.key) {
            EXPECT_EQ(line.bossKey->modifiers, c.key->modifiers) << shown;
            EXPECT_EQ(line.bossKey->virtualKey, c.key->virtualKey) << shown;
        }
    }
}

TEST(CommandLine, NewInstance) {
    struct Case {
        std::vector<std::string> args;
        bool newInstance;
        std::string file;
    };
    const Case cases[] = {
        {{}, false, ""},
        {{"a.txt"}, false, "a.txt"},
        {{"--new-instance"}, true, ""},
        {{"a.txt", "--new-instance"}, true, "a.txt"},
        {{"--new-instance", "--speed", "3", "b.txt"}, true, "b.txt"},
        {{"--", "--new-instance"}, false, "--new-instance"}, // after "--", a file
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.args);
        const std::string shown = ::testing::PrintToString(c.args);
        ASSERT_EQ(line.action, Action::Run) << shown << ": " << line.error;
        EXPECT_EQ(line.newInstance, c.newInstance) << shown;
        EXPECT_EQ(line.file, c.file) << shown;
    }
    EXPECT_EQ(ParseCommandLine({"--new-instances"}).action, Action::Error);
}

TEST(CommandLine, Encodings) {
    const std::pair<std::vector<std::string>, TextEncoding> cases[] = {
        {{"a.txt"}, TextEncoding::Auto},
        {{"--encoding", "UTF-8", "a.txt"}, TextEncoding::Utf8},
        {{"--encoding", "big5", "--encoding", "auto"}, TextEncoding::Auto},
        {{"a.txt", "--encoding", "utf-16be"}, TextEncoding::Utf16Be},
    };
    for (const auto& [args, encoding] : cases) {
        const CommandLine line = ParseCommandLine(args);
        ASSERT_EQ(line.action, Action::Run) << line.error;
        EXPECT_EQ(line.encoding, encoding) << ::testing::PrintToString(args);
    }
}

TEST(CommandLine, Texts) {
    const std::string help = HelpText();
    EXPECT_EQ(help.find("Usage: lumio [OPTION]... [FILE.txt]"), 0u);
    for (const char* option :
         {"--speed V", "--start V", "--boss-key KEYS", "--boss-key none", "--help", "--version",
          "ctrl+alt+h", "F1..F24", "Grave", "--new-instance", "--encoding NAME", "utf-16le"}) {
        EXPECT_NE(help.find(option), std::string::npos) << option;
    }
    std::size_t lineStart = 0;
    while (lineStart < help.size()) {
        const std::size_t end = help.find('\n', lineStart);
        ASSERT_NE(end, std::string::npos) << "the help ends with a line break";
        EXPECT_LE(end - lineStart, 80u) << help.substr(lineStart, end - lineStart);
        lineStart = end + 1;
    }
    EXPECT_EQ(VersionText(), std::string("lumio ") + LUMIO_VERSION + "\n");
    EXPECT_NE(std::string(LUMIO_VERSION), "");
}

TEST(CommandLine, NoAutoHide) {
    struct Case {
        std::vector<std::string> args;
        bool autoHide;
        std::string file;
    };
    const Case cases[] = {
        {{}, true, ""},
        {{"a.txt"}, true, "a.txt"},
        {{"--no-auto-hide"}, false, ""},
        {{"a.txt", "--no-auto-hide"}, false, "a.txt"},
        {{"--no-auto-hide", "--no-auto-hide", "--speed", "3"}, false, ""},
        {{"--", "--no-auto-hide"}, true, "--no-auto-hide"}, // a file of that name
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.args);
        const std::string shown = ::testing::PrintToString(c.args);
        ASSERT_EQ(line.action, Action::Run) << shown << ": " << line.error;
        EXPECT_EQ(line.autoHide, c.autoHide) << shown;
        EXPECT_EQ(line.file, c.file) << shown;
    }
    EXPECT_EQ(ParseCommandLine({"--no-auto-hide=yes"}).action, Action::Error);
    EXPECT_EQ(ParseCommandLine({"--no-autohide"}).error, "unknown option --no-autohide");
    EXPECT_NE(HelpText().find("--no-auto-hide"), std::string::npos);
}

TEST(CommandLine, NoMemory) {
    struct Case {
        std::vector<std::string> args;
        bool noMemory;
        std::string file;
    };
    const Case cases[] = {
        {{"a.txt"}, false, "a.txt"},
        {{"--no-memory", "a.txt"}, true, "a.txt"},
        {{"a.txt", "--no-memory", "--speed", "3"}, true, "a.txt"},
        {{"--", "--no-memory"}, false, "--no-memory"},
    };
    for (const Case& c : cases) {
        const CommandLine line = ParseCommandLine(c.args);
        ASSERT_EQ(line.action, Action::Run) << line.error;
        EXPECT_EQ(line.noMemory, c.noMemory) << ::testing::PrintToString(c.args);
        EXPECT_EQ(line.file, c.file);
    }
    const std::string help = HelpText();
    for (const char* text : {"--no-memory", "reading-memory.txt", "Right-click the viewer"}) {
        EXPECT_NE(help.find(text), std::string::npos) << text;
    }
}

} // namespace
} // namespace lumio
