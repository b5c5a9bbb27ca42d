#include "live_line.h"

#include "platform/terminal_width.h"
#include "platform/utf.h"

#include <algorithm>

namespace lumio::tty {

namespace {

// A document may hold any control character (line feeds, escapes); none of them may
// reach the terminal as such.
void AppendVisible(std::u16string_view text, std::string& out) {
    std::u16string safe(text);
    for (char16_t& c : safe) {
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) {
            c = u' ';
        }
    }
    out += ToUtf8(safe);
}

} // namespace

// The end of the view that fits the line, the marked characters in red.
std::string RenderLine(const TtyViewer& viewer, int columns, bool colour) {
    const std::u16string_view text = viewer.Text();
    const std::size_t shown = TailFittingColumns(text, std::max(columns - 1, 1));
    const std::size_t begin = text.size() - shown;
    std::size_t markBegin = text.size();
    std::size_t markEnd = text.size();
    if (viewer.HasMark()) {
        markBegin = std::clamp<std::size_t>(viewer.MarkStart(), begin, text.size());
        markEnd = std::clamp<std::size_t>(viewer.MarkStart() + viewer.MarkLength(), markBegin,
                                          text.size());
    }
    std::string line = colour ? "\r" : "";
    AppendVisible(text.substr(begin, markBegin - begin), line);
    if (colour && markEnd > markBegin) {
        line += "\x1b[31m";
    }
    AppendVisible(text.substr(markBegin, markEnd - markBegin), line);
    if (colour && markEnd > markBegin) {
        line += "\x1b[39m";
    }
    AppendVisible(text.substr(markEnd), line);
    line += colour ? "\x1b[K" : "\n";
    return line;
}

KeyResult HandleKey(char key, const LiveControls& live) {
    const auto moveSpeed = [&](int step) {
        const int value = std::clamp(live.speedSlider.Value() + step, 0, 10);
        if (value != live.speedSlider.Value()) {
            live.speedSlider.SetValue(value);
            live.window.Slider1_Scroll();
        }
    };
    switch (key) {
    case ' ':
        live.window.mstart_Click();
        break;
    case 'p':
        live.window.mzant_Click();
        break;
    case 's':
        live.window.mstop_Click();
        break;
    case '+':
        moveSpeed(+1);
        break;
    case '-':
        moveSpeed(-1);
        break;
    case 'q':
        return KeyResult::Quit;
    default:
        break;
    }
    return KeyResult::Continue;
}

} // namespace lumio::tty
