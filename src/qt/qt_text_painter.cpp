#include "qt/qt_text_painter.h"

#include "qt/font_mapping.h"
#include "qt/qt_strings.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainterPath>
#include <QTextLayout>

namespace lumio {

namespace {

// One picture of the symbol font: a closed polygon or two bars, in em units.
struct SymbolShape {
    char16_t character;
    std::initializer_list<QPointF> polygon; // empty for the pause bars
};

const SymbolShape kSymbols[] = {
    {u'4', {{0.26, 0.18}, {0.82, 0.50}, {0.26, 0.82}}},               // play
    {u';', {}},                                                       // pause
    {u'<', {{0.22, 0.22}, {0.78, 0.22}, {0.78, 0.78}, {0.22, 0.78}}}, // stop
    {u'5', {{0.50, 0.20}, {0.84, 0.74}, {0.16, 0.74}}},               // up
    {u'6', {{0.16, 0.26}, {0.84, 0.26}, {0.50, 0.80}}},               // down
};

const SymbolShape* SymbolFor(char16_t c) {
    for (const SymbolShape& s : kSymbols) {
        if (s.character == c) {
            return &s;
        }
    }
    return nullptr;
}

// The symbol font's cell: as wide as it is high, one em.
double SymbolEm(const FontAttributes& font) {
    return PixelSizeFor(font.size);
}

QImage SurfaceImage(Surface& surface) {
    return QImage(surface.bytes(), surface.width(), surface.height(), surface.bytes_per_line(),
                  QImage::Format_RGB32);
}

} // namespace

bool QtTextPainter::DrawSymbol(QPainter& painter, char16_t c, QPointF origin, double em) {
    const SymbolShape* shape = SymbolFor(c);
    if (!shape) {
        return false;
    }
    QPainterPath path;
    if (shape->polygon.size() == 0) {
        path.addRect(QRectF(origin + QPointF(0.24, 0.22) * em, QSizeF(0.18, 0.56) * em));
        path.addRect(QRectF(origin + QPointF(0.58, 0.22) * em, QSizeF(0.18, 0.56) * em));
    } else {
        QPolygonF polygon;
        for (QPointF p : shape->polygon) {
            polygon << origin + p * em;
        }
        path.addPolygon(polygon);
        path.closeSubpath();
    }
    painter.fillPath(path, painter.pen().color());
    return true;
}

TextExtent QtTextPainter::Measure(const FontAttributes& font, std::u16string_view text) const {
    if (IsSymbolFont(font)) {
        const double em = SymbolEm(font);
        return {em * static_cast<double>(text.size()), em};
    }
    const QFontMetricsF metrics(QtFontFor(font));
    return {metrics.horizontalAdvance(ToQString(text)), metrics.height()};
}

void QtTextPainter::DrawSingleLine(Surface& surface, const FontAttributes& font,
                                   std::u16string_view text, const Rect& rect) const {
    if (rect.right <= rect.left || rect.bottom <= rect.top || surface.width() == 0 ||
        surface.height() == 0) {
        return;
    }
    QImage image = SurfaceImage(surface);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setClipRect(QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top));
    painter.setPen(ToQColor(surface.text_color()));

    const PrefixedText shown = ProcessPrefixes(text);
    const QPointF origin(rect.left, rect.top);
    if (IsSymbolFont(font)) {
        const double em = SymbolEm(font);
        const QFont fallback = QtFontFor(font);
        painter.setFont(fallback);
        const QFontMetricsF metrics(fallback);
        for (std::size_t i = 0; i < shown.text.size(); ++i) {
            const QPointF cell = origin + QPointF(em * static_cast<double>(i), 0);
            if (!DrawSymbol(painter, shown.text[i], cell, em)) {
                painter.drawText(cell + QPointF(0, metrics.ascent()),
                                 QString(QChar(shown.text[i])));
            }
        }
        return;
    }

    QTextLayout layout(ToQString(shown.text), QtFontFor(font));
    QList<QTextLayout::FormatRange> underlines;
    for (std::size_t index : shown.underlined) {
        QTextLayout::FormatRange range;
        range.start = static_cast<int>(index);
        range.length = 1;
        range.format.setFontUnderline(true);
        underlines.append(range);
    }
    layout.setFormats(underlines);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (line.isValid()) {
        line.setPosition(QPointF(0, 0));
    }
    layout.endLayout();
    layout.draw(&painter, origin);
}

} // namespace lumio
