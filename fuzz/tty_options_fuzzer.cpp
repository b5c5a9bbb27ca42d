// lumio-tty's command line: any arguments give options in their ranges or an error text.

#include "arguments.h"
#include "lumio-tty/options.h"

using namespace lumio;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> args = fuzz::SplitArguments(data, size);
    std::vector<const char*> argv{"lumio-tty"};
    for (const std::string& a : args) {
        argv.push_back(a.c_str());
    }
    tty::Options options;
    const std::string error = tty::Parse(static_cast<int>(argv.size()), argv.data(), options);
    const auto inRange = [](const std::optional<std::int32_t>& v) {
        return !v || (*v >= 0 && *v <= 10);
    };
    if (!inRange(options.speed) || !inRange(options.start)) {
        __builtin_trap();
    }
    if ((options.atTenths && (*options.atTenths < 0 || *options.atTenths > 1000)) ||
        (options.chapter && *options.chapter < 1) ||
        (error.empty() && options.atTenths && options.chapter)) {
        __builtin_trap(); // a percentage, a chapter from 1, never both
    }
    if (error.empty() && !options.help &&
        (options.fileAt < 1 || options.fileAt >= static_cast<int>(argv.size()) ||
         argv[static_cast<std::size_t>(options.fileAt)] != options.file)) {
        __builtin_trap(); // where FILE stood is where the name is taken from on Windows
    }
    if (!error.empty() && options.help) {
        __builtin_trap(); // help is asked for or the line is wrong, not both
    }
    return 0;
}
