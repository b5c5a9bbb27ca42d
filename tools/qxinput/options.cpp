#include "options.h"

#include "platform/command_line.h"

#include <limits>

namespace lumio::qxinput {

const char* const kUsage =
    "usage: qxinput [--style N] [--checkbox] [--value] [--hand] [--no-leave] [--disabled]\n"
    "               [--size WxH] [--mdi]\n"
    "  Runs one qxbutton on a parent window of a deterministic desktop and reads one\n"
    "  line per notification from standard input; after each it prints one JSON line:\n"
    "  the events raised, the interaction state and flags, Value, the paints, the mouse\n"
    "  capture, the keystrokes injected and the leave-notification requests.\n"
    "  The button is a new instance given these settings, saved and loaded at run time.\n"
    "  N: ButtonStyle (any whole number, default 0). WxH: pixels, default 75x23.\n"
    "  --value: Value true (kept only with --checkbox). --hand: HandPointer true.\n"
    "  --no-leave: neither system library exports a leave function (no hook).\n"
    "  --disabled: Enabled false. --mdi: the parent answers \"MDIChild\" true.\n"
    "Lines (B, S, K whole numbers; X, Y numbers in pixels; W a 32-bit wParam):\n"
    "  MouseDown B S X Y | MouseMove B S X Y | MouseUp B S X Y | DblClick\n"
    "  KeyDown K S | KeyUp K S | AccessKeyPress K | GotFocus | LostFocus\n"
    "  cursor self | cursor other        the window WindowFromPoint answers from now on\n"
    "  WM_MOUSEMOVE | WM_MOUSELEAVE      to the button's window, through its hook\n"
    "  WM_ACTIVATE W | WM_NCACTIVATE W   to the parent window, through its hooks\n"
    "  set Value|CheckBoxMode|Enabled true|false | set ButtonStyle N\n"
    "  Blank lines and lines starting with # are skipped but counted.\n"
    "  The container captures the mouse at MouseDown and DblClick and releases it after\n"
    "  MouseUp; notifications reach a disabled button too if the script sends them.\n";

namespace {

const std::vector<CommandFlag<Options>>& Flags() {
    constexpr std::int32_t kMaxPixels = 4096;
    static const std::vector<CommandFlag<Options>> flags = {
        Int32Flag("--style", &Options::style, std::numeric_limits<std::int32_t>::min(),
                  std::numeric_limits<std::int32_t>::max()),
        PixelSizeFlag("--size", &Options::width, &Options::height, kMaxPixels),
        {"--checkbox", false, [](Options& o, const std::string&) { return o.checkBox = true; }},
        {"--value", false, [](Options& o, const std::string&) { return o.value = true; }},
        {"--hand", false, [](Options& o, const std::string&) { return o.hand = true; }},
        {"--no-leave", false, [](Options& o, const std::string&) { return o.noLeave = true; }},
        {"--disabled", false, [](Options& o, const std::string&) { return o.disabled = true; }},
        {"--mdi", false, [](Options& o, const std::string&) { return o.mdi = true; }},
        {"--help", false, [](Options& o, const std::string&) { return o.help = true; }},
    };
    return flags;
}

} // namespace

ParseResult ParseOptions(const std::vector<std::string>& args) {
    Options o;
    std::vector<std::string> seen;
    if (const auto error = ApplyFlags(Flags(), args, o, seen)) {
        return {std::nullopt, *error};
    }
    return {o, {}};
}

} // namespace lumio::qxinput
