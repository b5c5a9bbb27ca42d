#pragma once

#include "platform/text_painter.h"

#include <string>
#include <vector>

namespace lumio::testing {

// Fixed metrics: every UTF-16 unit is 7 pixels wide, every line 13 high. Draws are
// recorded (and not painted), so tests read where a caption went and in which colour.
class FakeText final : public TextPainter {
public:
    struct Draw {
        std::u16string text;
        Rect rect;
        OleColor color;
        FontAttributes font;
    };
    static constexpr double kCharWidth = 7;
    static constexpr double kLineHeight = 13;

    TextExtent Measure(const FontAttributes&, std::u16string_view text) const override {
        ++measures;
        return {kCharWidth * static_cast<double>(text.size()), kLineHeight};
    }
    void DrawSingleLine(Surface& surface, const FontAttributes& font, std::u16string_view text,
                        const Rect& rect) const override {
        draws.push_back({std::u16string(text), rect, surface.text_color(), font});
    }

    mutable int measures = 0;
    mutable std::vector<Draw> draws;
};

} // namespace lumio::testing
