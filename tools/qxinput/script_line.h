#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumio::qxinput {

// What one line of a qxinput script asks for.
enum class Verb {
    MouseDown,
    MouseMove,
    MouseUp,
    DblClick,
    KeyDown,
    KeyUp,
    AccessKeyPress,
    GotFocus,
    LostFocus,
    Cursor, // the window under the pointer: self or other
    WmMouseMove,
    WmMouseLeave,
    WmActivate,
    WmNcActivate,
    SetValue,
    SetCheckBoxMode,
    SetEnabled,
    SetButtonStyle,
};

// One argument, read by its kind: whole numbers (16-bit, a 32-bit wParam or integer, and
// a Boolean or `self` as 1, `other` as 0) in `whole`, pixel coordinates in `number`.
struct Argument {
    std::int32_t whole = 0;
    float number = 0;
};

struct ScriptLine {
    Verb verb = Verb::DblClick;
    std::vector<Argument> args;
};

struct ParsedLine {
    bool skip = false; // blank, or a `#` comment
    std::optional<ScriptLine> line;
    std::string error; // neither skipped nor understood; valid UTF-8
};

// Reads one line: words separated by spaces or tabs, the names as written (case
// matters), numbers in decimal (a wParam may also be 0x hexadecimal).
ParsedLine ParseScriptLine(std::string_view text);

} // namespace lumio::qxinput
