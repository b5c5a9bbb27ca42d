#include "qt/qt_text_painter.h"

#include "platform/symbol_font.h"
#include "qt/font_mapping.h"
#include "qt/qt_strings.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainterPath>
#include <QTextLayout>
#include <algorithm>

namespace lumio {

namespace {

QImage SurfaceImage(Surface& surface) {
    return QImage(surface.bytes(), surface.width(), surface.height(), surface.bytes_per_line(),
                  QImage::Format_RGB32);
}

} // namespace

bool QtTextPainter::DrawSymbol(QPainter& painter, char16_t c, QPointF origin, double em) {
    const std::vector<std::vector<EmPoint>> picture = SymbolPicture(c);
    if (picture.empty()) {
        return false;
    }
    QPainterPath path;
    for (const std::vector<EmPoint>& polygon : picture) {
        QPolygonF points;
        for (const EmPoint p : polygon) {
            points << origin + QPointF(p.x, p.y) * em;
        }
        path.addPolygon(points);
        path.closeSubpath();
    }
    painter.fillPath(path, painter.pen().color());
    return true;
}

TextExtent QtTextPainter::Measure(const FontAttributes& font, std::u16string_view text) const {
    if (IsSymbolFont(font)) {
        const double em = SymbolEmPixels(font);
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
        const double em = SymbolEmPixels(font);
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
