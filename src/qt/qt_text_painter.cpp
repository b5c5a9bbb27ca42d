#include "qt/qt_text_painter.h"

#include "qt/font_mapping.h"
#include "qt/qt_strings.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainterPath>
#include <QTextLayout>
#include <algorithm>

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
    const double spaces = static_cast<double>(std::count(text.begin(), text.end(), u' '));
    return {metrics.horizontalAdvance(ToQString(text)) + spaces * ExtraSpaceWidth(font),
            metrics.height()};
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

    // Word by word when spaces are wider than the font's own; in one piece otherwise.
    const QFont qfont = QtFontFor(font);
    const double extra = ExtraSpaceWidth(font);
    const QString all = ToQString(shown.text);
    const QFontMetricsF metrics(qfont);
    double x = origin.x();
    qsizetype start = 0;
    while (start <= all.size()) {
        qsizetype end = extra > 0 ? all.indexOf(QLatin1Char(' '), start) : -1;
        if (end < 0) {
            end = all.size();
        }
        const QString piece = all.mid(start, end - start);
        if (!piece.isEmpty()) {
            DrawPiece(painter, qfont, piece, start, shown.underlined, QPointF(x, origin.y()));
            x += metrics.horizontalAdvance(piece);
        }
        if (end == all.size()) {
            break;
        }
        x += metrics.horizontalAdvance(QLatin1Char(' ')) + extra;
        start = end + 1;
    }
}

void QtTextPainter::DrawPiece(QPainter& painter, const QFont& font, const QString& piece,
                              qsizetype offset, const std::vector<std::size_t>& underlined,
                              QPointF at) {
    QTextLayout layout(piece, font);
    QList<QTextLayout::FormatRange> underlines;
    for (std::size_t index : underlined) {
        const auto i = static_cast<qsizetype>(index) - offset;
        if (i >= 0 && i < piece.size()) {
            QTextLayout::FormatRange range;
            range.start = static_cast<int>(i);
            range.length = 1;
            range.format.setFontUnderline(true);
            underlines.append(range);
        }
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
    layout.draw(&painter, at);
}

} // namespace lumio
