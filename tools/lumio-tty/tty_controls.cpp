#include "tty_controls.h"

#include "platform/utf.h"

#include <algorithm>
#include <cstdio>

namespace lumio::tty {

void TtyViewer::SetText(std::u16string_view text) {
    text_.assign(text);
    selStart_ = 0;
    selLength_ = 0;
    markStart_ = 0;
    markLength_ = 0;
}

void TtyViewer::SetSelColor(std::uint32_t) {
    const auto size = static_cast<std::int32_t>(text_.size());
    const std::int32_t start = std::clamp(selStart_, 0, size);
    markStart_ = start;
    markLength_ = std::clamp(selLength_, 0, size - start);
}

void TtyTimer::SetEnabled(bool enabled) {
    if (enabled && !enabled_) {
        enabled_ = true;
        Rearm();
    }
    enabled_ = enabled;
}

void TtyTimer::SetInterval(std::int32_t milliseconds) {
    interval_ = milliseconds;
    if (enabled_) {
        Rearm();
    }
}

void StderrMessageBox::Show(std::u16string_view prompt, int, std::u16string_view) {
    shown_ = true;
    const std::string text = ToUtf8(prompt) + "\n";
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

} // namespace lumio::tty
