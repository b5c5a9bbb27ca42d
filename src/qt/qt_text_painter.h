#pragma once

#include "platform/text_painter.h"

#include <QFont>
#include <QPainter>
#include <QString>
#include <vector>

namespace lumio {

// Caption text measured and drawn by Qt, straight onto a control's surface. Webdings
// captions come out as the pictures that font has for them: "4" play, ";" pause, "<"
// stop, "5" up and "6" down, drawn here as shapes (no installed font has them); the
// caption characters themselves stay what they are.
class QtTextPainter final : public TextPainter {
public:
    TextExtent Measure(const FontAttributes& font, std::u16string_view text) const override;
    void DrawSingleLine(Surface& surface, const FontAttributes& font, std::u16string_view text,
                        const Rect& rect) const override;

    // Draws the symbol Webdings has for `c` into the em square at `origin`; false when
    // we have no picture for that character.
    static bool DrawSymbol(QPainter& painter, char16_t c, QPointF origin, double em);

private:
    // One run of text without spaces, with the caption's underlines that fall in it
    // (`offset` is where the run starts in the caption).
    static void DrawPiece(QPainter& painter, const QFont& font, const QString& piece,
                          qsizetype offset, const std::vector<std::size_t>& underlined, QPointF at);
};

} // namespace lumio
