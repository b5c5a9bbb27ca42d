// qxinput: one qxbutton driven by a script of input notifications, hooked messages and
// property assignments, printing after each line what the button did.
#include "input_trace.h"
#include "options.h"
#include "platform/bitmap_font.h"

#include <cstdio>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace lumio::qxinput {
namespace {

int Run(const std::vector<std::string>& args) {
    const ParseResult parsed = ParseOptions(args);
    if (!parsed.options) {
        std::fprintf(stderr, "qxinput: %s\n%s", parsed.error.c_str(), kUsage);
        return 2;
    }
    if (parsed.options->help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const BitmapFontPainter font;
    InputTrace trace(*parsed.options, font);
    std::string line;
    for (int number = 1; std::getline(std::cin, line); ++number) {
        const std::string out = trace.Run(line, number);
        if (!out.empty()) {
            // One line at a time, so a program feeding the script can read each answer.
            std::cout << out << '\n' << std::flush;
        }
    }
    return 0;
}

} // namespace
} // namespace lumio::qxinput

int main(int argc, char** argv) {
    try {
        std::ios::sync_with_stdio(false);
        return lumio::qxinput::Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qxinput: %s\n", e.what());
        return 1;
    }
}
