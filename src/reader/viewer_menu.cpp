#include "reader/viewer_menu.h"

#include "reader/reader_texts.h"

#include <algorithm>
#include <limits>

namespace lumio {

namespace {

constexpr std::int32_t kWholeTenths = 1000;

// An ASCII or full-width digit's value, or -1.
int DigitValue(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'０' && c <= u'９') {
        return c - u'０';
    }
    return -1;
}

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\u3000';
}

std::u16string_view Trimmed(std::u16string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

std::optional<std::size_t> CurrentChapter(const std::vector<Chapter>& chapters,
                                          std::int32_t readPos) {
    const auto after =
        std::upper_bound(chapters.begin(), chapters.end(), readPos,
                         [](std::int32_t pos, const Chapter& c) { return pos < c.position; });
    if (after == chapters.begin()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(after - chapters.begin() - 1);
}

std::int32_t PercentPosition(std::size_t length, std::int32_t tenths) {
    tenths = std::clamp(tenths, 0, kWholeTenths);
    // In whole numbers, so the rounding is exact for any text that fits in memory.
    const std::uint64_t product =
        static_cast<std::uint64_t>(length) * static_cast<std::uint64_t>(tenths);
    std::uint64_t quotient = product / kWholeTenths;
    const std::uint64_t remainder = product % kWholeTenths;
    if (remainder * 2 > kWholeTenths || (remainder * 2 == kWholeTenths && quotient % 2 == 1)) {
        ++quotient;
    }
    constexpr auto kMax = static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max());
    return static_cast<std::int32_t>(std::min(quotient, kMax));
}

std::optional<std::int32_t> ParsePercent(std::u16string_view text) {
    text = Trimmed(text);
    if (!text.empty() && (text.back() == u'%' || text.back() == u'％')) {
        text = Trimmed(text.substr(0, text.size() - 1));
    }
    std::int32_t whole = 0;
    std::size_t i = 0;
    for (; i < text.size() && DigitValue(text[i]) >= 0; ++i) {
        if (i >= 3) {
            return std::nullopt; // more than 100 whatever follows
        }
        whole = whole * 10 + DigitValue(text[i]);
    }
    if (i == 0) {
        return std::nullopt;
    }
    std::int32_t tenths = whole * 10;
    if (i < text.size()) {
        if ((text[i] != u'.' && text[i] != u'．') || i + 2 != text.size() ||
            DigitValue(text[i + 1]) < 0) {
            return std::nullopt;
        }
        tenths += DigitValue(text[i + 1]);
    }
    if (tenths > kWholeTenths) {
        return std::nullopt;
    }
    return tenths;
}

std::optional<std::int32_t> JumpPosition(std::u16string_view text, std::size_t length,
                                         const std::vector<Chapter>& chapters) {
    if (const std::optional<std::int32_t> tenths = ParsePercent(text)) {
        return PercentPosition(length, *tenths);
    }
    const std::u16string_view wanted = Trimmed(text);
    if (wanted.empty()) {
        return std::nullopt;
    }
    for (const Chapter& c : chapters) {
        if (std::u16string_view(c.title).starts_with(wanted)) {
            return c.position;
        }
    }
    return std::nullopt;
}

void MoveReadingTo(MainMsg& window, Timer& trm1, std::int32_t position) {
    trm1.SetEnabled(false);
    window.SetReadPos(position);
    trm1.SetEnabled(true);
}

ViewerMenuModel ViewerMenu::Model() const {
    ViewerMenuModel model;
    const std::vector<Chapter>& chapters = parts_.window.chapters();
    model.chapters.reserve(chapters.size());
    for (const Chapter& c : chapters) {
        model.chapters.push_back(c.title);
    }
    model.currentChapter = CurrentChapter(chapters, parts_.window.ReadPos());
    model.rememberEnabled = parts_.places != nullptr;
    model.rememberChecked = parts_.places != nullptr && parts_.places->Enabled();
    return model;
}

void ViewerMenu::Open(ViewerMenuShower& shower) {
    if (const std::optional<ViewerMenuChoice> choice = shower.ShowMenu(Model())) {
        Carry(*choice, shower);
    }
}

void ViewerMenu::Carry(const ViewerMenuChoice& choice, ViewerMenuShower& shower) {
    MainMsg& window = parts_.window;
    switch (choice.kind) {
    case ViewerMenuChoice::Kind::Chapter:
        if (choice.chapter < window.chapters().size()) {
            MoveReadingTo(window, parts_.trm1, window.chapters()[choice.chapter].position);
        }
        return;
    case ViewerMenuChoice::Kind::FromStart:
        MoveReadingTo(window, parts_.trm1, 0);
        return;
    case ViewerMenuChoice::Kind::Remember:
        if (parts_.places != nullptr) {
            parts_.places->SetEnabled(!parts_.places->Enabled());
        }
        return;
    case ViewerMenuChoice::Kind::Jump:
        break;
    }
    const std::optional<std::u16string> text = shower.AskText(kJumpTitle, kJumpPrompt);
    if (!text) {
        return;
    }
    const std::optional<std::int32_t> position =
        JumpPosition(*text, window.txt2().size(), window.chapters());
    if (!position) {
        parts_.messageBox.Show(kJumpRefused, kMsgBoxInformation, kMessageTitle);
        return;
    }
    MoveReadingTo(window, parts_.trm1, *position);
}

} // namespace lumio
