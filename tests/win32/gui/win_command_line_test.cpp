#include "win32/win_command_line.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumio {
namespace {

using Action = CommandLine::Action;

TEST(WinCommandLine, TheFileComesThroughAsTheSystemGaveIt) {
    const std::u16string lone = u"C:\\books\\a\xD800"
                                u"b.txt"; // a lone high surrogate, which NTFS allows
    const std::u16string trail = u"\xDC01.txt";
    struct Case {
        std::vector<std::u16string> args;
        std::u16string file;
    };
    const Case cases[] = {
        {{lone}, lone},
        {{u"--speed", u"3", trail}, trail},
        {{u"--", u"-\xDBFF.txt"}, u"-\xDBFF.txt"},
        {{u"C:\\书\\小说.txt", u"--start", u"2"}, u"C:\\书\\小说.txt"},
        {{u"--speed", u"3"}, u""},
    };
    for (const Case& c : cases) {
        const WinCommandLine line = ParseWinCommandLine(c.args);
        EXPECT_EQ(line.command.action, Action::Run) << line.command.error;
        EXPECT_EQ(line.file, c.file);
    }
    const WinCommandLine moved = ParseWinCommandLine({u"--speed", u"3", u"--start", u"7", trail});
    EXPECT_EQ(moved.command.sliders.speed, 3);
    EXPECT_EQ(moved.command.sliders.start, 7);
}

TEST(WinCommandLine, QtsOptionsAreUnknownHereAndSaySo) {
    for (const char16_t* option : {u"-style", u"-display", u"-platform", u"-geometry"}) {
        const WinCommandLine line = ParseWinCommandLine({option, u"book.txt"});
        EXPECT_EQ(line.command.action, Action::Error);
        const std::u16string wide = option;
        EXPECT_EQ(line.command.error, "unknown option " + std::string(wide.begin(), wide.end()));
        EXPECT_EQ(line.file, u"");
    }
    EXPECT_EQ(ParseWinCommandLine({u"a.txt", u"b.txt"}).command.action, Action::Error);
    EXPECT_EQ(ParseWinCommandLine({u"--help", u"a.txt"}).command.action, Action::Help);
}

} // namespace
} // namespace lumio
