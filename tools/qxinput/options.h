#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumio::qxinput {

// How the one button of a run is made, as given on the command line.
struct Options {
    std::int32_t style = 0; // a new instance's own style
    bool checkBox = false;
    bool value = false;
    bool hand = false;
    bool noLeave = false; // neither system library exports a leave function
    bool disabled = false;
    bool mdi = false; // the parent answers "MDIChild" true
    std::int32_t width = 75;
    std::int32_t height = 23;
    bool help = false;
};

struct ParseResult {
    std::optional<Options> options;
    std::string error; // when options is empty
};

ParseResult ParseOptions(const std::vector<std::string>& args);

extern const char* const kUsage;

} // namespace lumio::qxinput
