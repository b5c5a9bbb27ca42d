#include "options.h"

#include "platform/command_line.h"
#include "platform/utf.h"

#include <charconv>
#include <functional>
#include <limits>

namespace lumio::qxrender {

const char* const kUsage =
    "usage: qxrender --style N [--state S] [--size WxH] [--back-color C] [--fore-color C]\n"
    "                [--ambient-back C] [--caption TEXT] [--checked] [--mouse-over]\n"
    "                [--left-down] [--focus] [--default] [--inactive] [--disabled]\n"
    "                [--focus-rect | --no-focus-rect] --out FILE\n"
    "       qxrender --gallery FILE\n"
    "       qxrender --help\n"
    "  Renders one qxbutton to FILE (.png or .ppm), or with --gallery a labelled grid\n"
    "  of every style in each of its looks.\n"
    "  N: ButtonStyle (any whole number; 0 to 15 are the looks). S: 0 normal, 1 hover,\n"
    "  2 pressed. WxH: pixels, default 75x23. C: #RRGGBB or sys:N (system colour N);\n"
    "  --ambient-back is the container's background, default sys:15.\n";

namespace {

bool EndsWith(const std::string& s, const std::string& suffix) {
    return s.size() >= suffix.size() &&
           s.compare(s.size() - suffix.size(), suffix.size(), suffix) == 0;
}

using Flag = CommandFlag<Options>;

bool SetColor(std::optional<OleColor>& field, const std::string& v) {
    field = ParseColor(v);
    return field.has_value();
}

const std::vector<Flag>& Flags() {
    static const std::vector<Flag> flags = {
        Int32Flag("--style", &Options::style, std::numeric_limits<std::int32_t>::min(),
                  std::numeric_limits<std::int32_t>::max()),
        Int32Flag("--state", &Options::state, 0, 2),
        PixelSizeFlag("--size", &Options::width, &Options::height, 4096),
        {"--back-color", true,
         [](Options& o, const std::string& v) { return SetColor(o.backColor, v); }},
        {"--fore-color", true,
         [](Options& o, const std::string& v) { return SetColor(o.foreColor, v); }},
        {"--ambient-back", true,
         [](Options& o, const std::string& v) {
             const auto c = ParseColor(v);
             o.ambientBack = c.value_or(0);
             return c.has_value();
         }},
        {"--caption", true,
         [](Options& o, const std::string& v) {
             const auto text = FromUtf8Strict(v);
             o.caption = text.value_or(u"");
             return text.has_value();
         }},
        {"--checked", false, [](Options& o, const std::string&) { return o.checked = true; }},
        {"--mouse-over", false, [](Options& o, const std::string&) { return o.mouseOver = true; }},
        {"--left-down", false, [](Options& o, const std::string&) { return o.leftDown = true; }},
        {"--focus", false, [](Options& o, const std::string&) { return o.focus = true; }},
        {"--default", false, [](Options& o, const std::string&) { return o.isDefault = true; }},
        {"--inactive", false, [](Options& o, const std::string&) { return o.inactive = true; }},
        {"--disabled", false, [](Options& o, const std::string&) { return o.disabled = true; }},
        {"--focus-rect", false,
         [](Options& o, const std::string&) {
             const bool fresh = !o.focusRect.has_value();
             o.focusRect = true;
             return fresh;
         }},
        {"--no-focus-rect", false,
         [](Options& o, const std::string&) {
             const bool fresh = !o.focusRect.has_value();
             o.focusRect = false;
             return fresh;
         }},
        {"--out", true,
         [](Options& o, const std::string& v) {
             o.out = v;
             return EndsWith(v, ".png") || EndsWith(v, ".ppm");
         }},
        {"--gallery", true,
         [](Options& o, const std::string& v) {
             o.gallery = v;
             return EndsWith(v, ".png") || EndsWith(v, ".ppm");
         }},
        {"--help", false, [](Options& o, const std::string&) { return o.help = true; }},
    };
    return flags;
}

} // namespace

std::optional<OleColor> ParseColor(const std::string& text) {
    if (text.size() == 7 && text[0] == '#') {
        std::uint32_t rgb = 0;
        const auto r = std::from_chars(text.data() + 1, text.data() + 7, rgb, 16);
        if (r.ec != std::errc() || r.ptr != text.data() + 7) {
            return std::nullopt;
        }
        return FromRrggbb(rgb);
    }
    if (text.rfind("sys:", 0) == 0) {
        const auto n = ParseInt32(text.substr(4), 0, 30);
        if (n) {
            return SystemColor(*n);
        }
    }
    return std::nullopt;
}

ParseResult ParseOptions(const std::vector<std::string>& args) {
    Options o;
    std::vector<std::string> seen;
    if (const auto error = ApplyFlags(Flags(), args, o, seen)) {
        return {std::nullopt, *error};
    }
    if (o.help) {
        return {o, {}};
    }
    if (!o.gallery.empty()) {
        if (seen.size() != 1) {
            return {std::nullopt, "--gallery takes no other options"};
        }
        return {o, {}};
    }
    bool hasStyle = false;
    for (const std::string& s : seen) {
        hasStyle = hasStyle || s == "--style";
    }
    if (!hasStyle) {
        return {std::nullopt, "--style is required"};
    }
    if (o.out.empty()) {
        return {std::nullopt, "--out is required"};
    }
    return {o, {}};
}

} // namespace lumio::qxrender
