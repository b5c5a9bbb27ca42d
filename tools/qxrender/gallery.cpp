#include "gallery.h"

#include "button/render/style_table.h"
#include "button_image.h"
#include "platform/palette.h"
#include "platform/surface.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace lumio::qxrender {

namespace {

constexpr std::int32_t kButtonWidth = 75;
constexpr std::int32_t kButtonHeight = 23;
constexpr std::int32_t kMargin = 10;
constexpr std::int32_t kColumnGap = 12;
constexpr std::int32_t kRowGap = 8;
constexpr std::int32_t kOutOfRange = 16;
constexpr OleColor kContainer = SystemColor(kColorBtnFace);

struct LookColumn {
    const char16_t* title;
    void (*apply)(Options&);
};

constexpr std::array<LookColumn, 6> kColumns = {{
    {u"normal", [](Options&) {}},
    {u"hover",
     [](Options& o) {
         o.state = 1;
         o.mouseOver = true;
     }},
    {u"pressed",
     [](Options& o) {
         o.state = 2;
         o.mouseOver = true;
         o.leftDown = true;
     }},
    {u"checked", [](Options& o) { o.checked = true; }},
    {u"focused", [](Options& o) { o.focus = true; }},
    {u"disabled", [](Options& o) { o.disabled = true; }},
}};

constexpr std::array<std::u16string_view, 3> kNotes = {
    u"checked: CheckBoxMode and Value on, mouse away.",
    u"focused: keyboard focus in the active window, with the style's own ShowFocusRect.",
    u"75 x 23 pixels each, on the container's button-face colour; built-in bitmap font.",
};

std::u16string Ascii(const std::string& s) {
    return std::u16string(s.begin(), s.end());
}

std::u16string RowLabel(std::int32_t style) {
    const StyleEntry* entry = FindStyle(style);
    const std::string name = entry != nullptr ? std::string(entry->name) : "(no look)";
    return Ascii(std::to_string(style) + " " + name);
}

FontAttributes LabelFont() {
    return FontAttributes{};
}

FontAttributes TitleFont() {
    FontAttributes font;
    font.size = 18;
    font.weight = kFontWeightBold;
    return font;
}

std::int32_t WidthOf(const TextPainter& text, const FontAttributes& font, std::u16string_view s) {
    return static_cast<std::int32_t>(text.Measure(font, s).width);
}

std::int32_t HeightOf(const TextPainter& text, const FontAttributes& font) {
    return static_cast<std::int32_t>(text.Measure(font, u"X").height);
}

void Write(Surface& canvas, const TextPainter& text, const FontAttributes& font,
           std::u16string_view s, std::int32_t x, std::int32_t y) {
    const Rect rect{x, y, x + WidthOf(text, font, s), y + HeightOf(text, font)};
    text.DrawSingleLine(canvas, font, s, rect);
}

void Paste(Surface& canvas, const Bitmap& image, std::int32_t left, std::int32_t top) {
    for (std::int32_t y = 0; y < image.height(); ++y) {
        for (std::int32_t x = 0; x < image.width(); ++x) {
            canvas.bitmap().set(left + x, top + y, image.at(x, y));
        }
    }
}

} // namespace

Bitmap RenderGallery(const TextPainter& text) {
    const FontAttributes label = LabelFont();
    const FontAttributes title = TitleFont();
    const std::int32_t labelHeight = HeightOf(text, label);
    const std::int32_t titleHeight = HeightOf(text, title);

    std::int32_t labelWidth = 0;
    for (std::int32_t style = 0; style <= kOutOfRange; ++style) {
        labelWidth = std::max(labelWidth, WidthOf(text, label, RowLabel(style)));
    }
    const std::int32_t columnWidth = kButtonWidth + kColumnGap;
    const std::int32_t rowHeight = kButtonHeight + kRowGap;
    const std::int32_t gridLeft = kMargin + labelWidth + kColumnGap;
    const std::int32_t headerTop = kMargin + titleHeight + kRowGap;
    const std::int32_t gridTop = headerTop + labelHeight + kRowGap / 2;
    const std::int32_t rows = kOutOfRange + 1;
    const std::int32_t noteTop = gridTop + rows * rowHeight;
    const auto columns = static_cast<std::int32_t>(kColumns.size());

    Surface canvas(gridLeft + columns * columnWidth - kColumnGap + kMargin,
                   noteTop + static_cast<std::int32_t>(kNotes.size()) * labelHeight + kMargin);
    canvas.set_back_color(TranslateColor(kContainer));
    canvas.Clear();
    canvas.set_text_color(Rgb(0, 0, 0));

    Write(canvas, text, title, u"qxbutton: ButtonStyle by look", kMargin, kMargin);
    for (std::int32_t c = 0; c < columns; ++c) {
        const std::u16string_view name = kColumns[static_cast<std::size_t>(c)].title;
        const std::int32_t centre = gridLeft + c * columnWidth + kButtonWidth / 2;
        Write(canvas, text, label, name, centre - WidthOf(text, label, name) / 2, headerTop);
    }
    for (std::int32_t style = 0; style < rows; ++style) {
        const std::int32_t top = gridTop + style * rowHeight;
        Write(canvas, text, label, RowLabel(style), kMargin,
              top + (kButtonHeight - labelHeight) / 2);
        for (std::int32_t c = 0; c < columns; ++c) {
            Options o;
            o.style = style;
            o.width = kButtonWidth;
            o.height = kButtonHeight;
            o.ambientBack = kContainer;
            o.caption = u"&Open";
            kColumns[static_cast<std::size_t>(c)].apply(o);
            Paste(canvas, RenderButton(o, text), gridLeft + c * columnWidth, top);
        }
    }
    for (std::size_t i = 0; i < kNotes.size(); ++i) {
        Write(canvas, text, label, kNotes[i], kMargin,
              noteTop + static_cast<std::int32_t>(i) * labelHeight);
    }
    return canvas.bitmap();
}

} // namespace lumio::qxrender
