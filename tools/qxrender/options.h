#pragma once

#include "platform/color.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace lumio::qxrender {

// What one run of qxrender draws, as given on its command line.
struct Options {
    std::int32_t style = 0;
    std::int32_t state = 0;
    std::int32_t width = 75;
    std::int32_t height = 23;
    std::optional<OleColor> backColor;
    std::optional<OleColor> foreColor;
    OleColor ambientBack = SystemColor(15);
    std::u16string caption;
    bool checked = false;
    bool mouseOver = false;
    bool leftDown = false;
    bool focus = false;
    bool isDefault = false;
    bool inactive = false;
    bool disabled = false;
    std::optional<bool> focusRect;
    std::string out;
    // --gallery: every look of every style in one labelled image, written here.
    std::string gallery;
    // --help: the usage on standard output, nothing drawn.
    bool help = false;
};

struct ParseResult {
    std::optional<Options> options;
    std::string error; // when options is empty
};

ParseResult ParseOptions(const std::vector<std::string>& args);

// "#RRGGBB" or "sys:N" (N a system colour index, 0 to 30).
std::optional<OleColor> ParseColor(const std::string& text);

extern const char* const kUsage;

} // namespace lumio::qxrender
