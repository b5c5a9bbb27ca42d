#include "icon/icon_art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace lumio {

namespace {

const QColor kTileTop(0, 150, 140);
const QColor kTileBottom(0, 104, 104);
const QColor kTileEdge(0, 72, 72);
const QColor kStrip(173, 209, 255);
const QColor kPlay(0, 192, 0);
const QColor kPage(255, 253, 240);
const QColor kInk(16, 24, 96);
const QColor kMark(255, 0, 0);

} // namespace

QImage DrawLumioIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size;

    // The tile.
    const QRectF tile(0.5, 0.5, s - 1, s - 1);
    QLinearGradient shade(0, 0, 0, s);
    shade.setColorAt(0, kTileTop);
    shade.setColorAt(1, kTileBottom);
    p.setPen(QPen(kTileEdge, size >= 32 ? 1.5 : 1.0));
    p.setBrush(shade);
    p.drawRoundedRect(tile, s * 0.18, s * 0.18);

    // The title strip with its play button.
    const QRectF strip(s * 0.12, s * 0.16, s * 0.76, s * 0.22);
    p.setPen(Qt::NoPen);
    p.setBrush(kStrip);
    p.drawRoundedRect(strip, s * 0.04, s * 0.04);
    QPainterPath play;
    const double h = strip.height() * 0.64;
    const QPointF at(strip.left() + s * 0.06, strip.center().y() - h / 2);
    play.moveTo(at);
    play.lineTo(at.x() + h * 0.9, at.y() + h / 2);
    play.lineTo(at.x(), at.y() + h);
    play.closeSubpath();
    p.setBrush(kPlay);
    p.drawPath(play);

    // The viewer: a page with a line of characters, the newest ones in red.
    const QRectF page(s * 0.12, s * 0.46, s * 0.76, s * 0.36);
    p.setBrush(kPage);
    p.drawRoundedRect(page, s * 0.05, s * 0.05);
    const int glyphs = size >= 48 ? 5 : (size >= 24 ? 4 : 3);
    const double gap = page.width() * 0.06;
    const double glyph = (page.width() - gap * (glyphs + 1)) / glyphs;
    const double top = page.center().y() - glyph / 2;
    for (int i = 0; i < glyphs; ++i) {
        const QRectF box(page.left() + gap + i * (glyph + gap), top, glyph, glyph);
        p.setBrush(i >= glyphs - 2 ? kMark : kInk);
        p.drawRoundedRect(box, glyph * 0.15, glyph * 0.15);
    }
    return image;
}

QImage ToIndexed8(const QImage& icon) {
    return icon.convertToFormat(QImage::Format_ARGB32)
        .convertToFormat(QImage::Format_Indexed8, Qt::ThresholdAlphaDither | Qt::AvoidDither);
}

} // namespace lumio
