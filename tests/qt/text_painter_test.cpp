// Caption text drawn by Qt onto a control's surface: fonts, measures, prefixes, and the
// symbol font's pictures.
#include "qt/font_mapping.h"
#include "qt/qt_text_painter.h"

#include <QFontInfo>
#include <QTest>

using namespace lumio;

namespace {

const FontAttributes kYaHei{u"微软雅黑", 10.5, 700, 134};
const FontAttributes kWebdings{u"Webdings", 12, 700, 2};
const FontAttributes kTahoma{u"Tahoma", 8.25, 400, 0};

Surface WhiteSurface(int w, int h) {
    Surface s(w, h);
    s.set_text_color(Rgb(0, 0, 0));
    return s;
}

// The box around every pixel that is not white.
QRect Inked(const Surface& s) {
    QRect box;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            if ((s.bitmap().at(x, y) & 0xFFFFFF) != 0xFFFFFF) {
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    return box;
}

bool IsInk(const Surface& s, int x, int y) {
    return (s.bitmap().at(x, y) & 0xFFFFFF) != 0xFFFFFF;
}

} // namespace

class TextPainterTest : public QObject {
    Q_OBJECT
private slots:
    void fontsMapToInstalledOnes() {
        QCOMPARE(QFontInfo(QtFontFor(kYaHei)).family(), QStringLiteral("Noto Sans CJK SC"));
        QCOMPARE(QFontInfo(QtFontFor(kTahoma)).family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(QtFontFor(kYaHei).pixelSize(), 14);
        QVERIFY(QtFontFor(kYaHei).bold());
        QVERIFY(IsSymbolFont(kWebdings));
        QVERIFY(!IsSymbolFont(kYaHei));
    }

    // Spaces in the CJK sans are widened to the form font's, so captions padded with
    // spaces keep their place.
    void spacesKeepTheFormFontsWidth() {
        const QtTextPainter painter;
        const FontAttributes title{u"微软雅黑", 10.5, 700, 134};
        const double one = painter.Measure(title, u"a").width;
        const double spaced = painter.Measure(title, u"a          ").width; // ten spaces
        QVERIFY(std::abs((spaced - one) / 10 - 0.3 * 14) < 0.2);
        // and drawing puts the words where measuring says
        Surface s = WhiteSurface(200, 30);
        painter.DrawSingleLine(s, title, u"a     b", Rect{0, 0, 200, 30});
        const double b = painter.Measure(title, u"a     ").width;
        QVERIFY(std::abs(Inked(s).right() + 1 - (b + painter.Measure(title, u"b").width)) <= 2);
        // Latin fonts keep their own spaces.
        QCOMPARE(ExtraSpaceWidth(kTahoma), 0.0);
    }

    void pointsBecomePixelsAt96Dpi_data() {
        QTest::addColumn<double>("points");
        QTest::addColumn<int>("pixels");
        QTest::newRow("7.5") << 7.5 << 10;
        QTest::newRow("8.25") << 8.25 << 11;
        QTest::newRow("9") << 9.0 << 12;
        QTest::newRow("10.5") << 10.5 << 14;
        QTest::newRow("12") << 12.0 << 16;
        QTest::newRow("21.75") << 21.75 << 29;
        QTest::newRow("tiny") << 0.1 << 1;
    }
    void pointsBecomePixelsAt96Dpi() {
        QFETCH(double, points);
        QFETCH(int, pixels);
        QCOMPARE(PixelSizeFor(points), pixels);
    }

    void drawingCoversWhatMeasuringSays() {
        const QtTextPainter painter;
        const std::u16string text = u"Tolva电子文档阅读器";
        const TextExtent extent = painter.Measure(kYaHei, text);
        QVERIFY(extent.width > 100 && extent.height >= 14);
        Surface s = WhiteSurface(300, 40);
        painter.DrawSingleLine(s, kYaHei, text, Rect{10, 5, 300, 40});
        const QRect ink = Inked(s);
        QVERIFY(ink.left() >= 10 && ink.left() <= 13);
        QVERIFY(ink.top() >= 5);
        QVERIFY(std::abs(ink.right() + 1 - (10 + extent.width)) <= 2);
        QVERIFY(ink.bottom() < 5 + extent.height);
        // Trailing spaces count in the measure and draw nothing.
        const TextExtent spaced = painter.Measure(kYaHei, text + u"   ");
        QVERIFY(spaced.width > extent.width);
    }

    void drawingIsClippedToTheRectangle() {
        const QtTextPainter painter;
        Surface s = WhiteSurface(200, 30);
        painter.DrawSingleLine(s, kYaHei, u"电子文档阅读器", Rect{0, 0, 30, 30});
        QVERIFY(Inked(s).right() < 30);
        Surface empty = WhiteSurface(50, 20);
        painter.DrawSingleLine(empty, kYaHei, u"abc", Rect{10, 10, 10, 20});
        QVERIFY(Inked(empty).isEmpty());
    }

    void textColourComesFromTheSurface() {
        const QtTextPainter painter;
        Surface s = WhiteSurface(60, 30);
        s.set_text_color(Rgb(255, 0, 0));
        painter.DrawSingleLine(s, kYaHei, u"国", Rect{0, 0, 60, 30});
        bool red = false;
        for (int y = 0; y < 30; ++y) {
            for (int x = 0; x < 60; ++x) {
                red = red || (s.bitmap().at(x, y) & 0xFFFFFF) == 0xFF0000;
            }
        }
        QVERIFY(red);
    }

    void ampersandsAreProcessed() {
        const QtTextPainter painter;
        Surface plain = WhiteSurface(120, 30);
        painter.DrawSingleLine(plain, kTahoma, u"Home", Rect{0, 0, 120, 30});
        Surface marked = WhiteSurface(120, 30);
        painter.DrawSingleLine(marked, kTahoma, u"&Home", Rect{0, 0, 120, 30});
        // Same glyphs, plus an underline below the H only.
        const QRect a = Inked(plain);
        const QRect b = Inked(marked);
        // The underline may reach a pixel beyond the glyphs on either side.
        QVERIFY(std::abs(b.left() - a.left()) <= 1);
        QVERIFY(std::abs(b.right() - a.right()) <= 1);
        QVERIFY(b.bottom() > a.bottom());
        int underlined = 0;
        for (int x = 0; x < 120; ++x) {
            underlined += IsInk(marked, x, b.bottom()) ? 1 : 0;
        }
        QVERIFY(underlined > 2 && underlined < a.width() / 2);
        Surface doubled = WhiteSurface(120, 30);
        painter.DrawSingleLine(doubled, kTahoma, u"A&&B", Rect{0, 0, 120, 30});
        // "A&&B" shows "A&B": as wide as that text measures, wider than "AB".
        const double withAmpersand = painter.Measure(kTahoma, u"A&B").width;
        QVERIFY(std::abs(Inked(doubled).width() - withAmpersand) <= 2);
        QVERIFY(Inked(doubled).width() > painter.Measure(kTahoma, u"AB").width + 3);
    }

    void symbolFontMeasuresOneEmPerCharacter() {
        const QtTextPainter painter;
        const TextExtent one = painter.Measure(kWebdings, u"4");
        QCOMPARE(one.width, 16.0);
        QCOMPARE(one.height, 16.0);
        QCOMPARE(painter.Measure(kWebdings, u"45").width, 32.0);
    }

    // Each of the five captions draws its picture: where the picture has ink and where
    // it has none, in em units of a 16-pixel cell.
    void symbolsAreDrawnAsPictures_data() {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QPointF>("inked");
        QTest::addColumn<QPointF>("clear");
        QTest::newRow("play 4") << "4" << QPointF(0.35, 0.5) << QPointF(0.75, 0.25);
        QTest::newRow("pause ;") << ";" << QPointF(0.32, 0.5) << QPointF(0.5, 0.5);
        QTest::newRow("stop <") << "<" << QPointF(0.5, 0.5) << QPointF(0.1, 0.1);
        QTest::newRow("up 5") << "5" << QPointF(0.5, 0.6) << QPointF(0.2, 0.3);
        QTest::newRow("down 6") << "6" << QPointF(0.5, 0.4) << QPointF(0.2, 0.7);
    }
    void symbolsAreDrawnAsPictures() {
        QFETCH(QString, caption);
        QFETCH(QPointF, inked);
        QFETCH(QPointF, clear);
        const QtTextPainter painter;
        Surface s = WhiteSurface(16, 16);
        painter.DrawSingleLine(s, kWebdings, caption.toStdU16String(), Rect{0, 0, 16, 16});
        QVERIFY(IsInk(s, int(inked.x() * 16), int(inked.y() * 16)));
        QVERIFY(!IsInk(s, int(clear.x() * 16), int(clear.y() * 16)));
    }

    void symbolsDifferFromEachOther() {
        const QtTextPainter painter;
        std::vector<Bitmap> pictures;
        for (const char16_t* c : {u"4", u";", u"<", u"5", u"6"}) {
            Surface s = WhiteSurface(16, 16);
            painter.DrawSingleLine(s, kWebdings, c, Rect{0, 0, 16, 16});
            for (const Bitmap& other : pictures) {
                QVERIFY(!(other == s.bitmap()));
            }
            pictures.push_back(s.bitmap());
        }
    }

    void otherSymbolFontCharactersAreDrawnAsLetters() {
        const QtTextPainter painter;
        Surface s = WhiteSurface(40, 20);
        painter.DrawSingleLine(s, kWebdings, u"x", Rect{0, 0, 40, 20});
        QVERIFY(!Inked(s).isEmpty());
        QImage image(16, 16, QImage::Format_RGB32);
        QPainter p(&image);
        QVERIFY(!QtTextPainter::DrawSymbol(p, u'x', {}, 16));
        QVERIFY(QtTextPainter::DrawSymbol(p, u'4', {}, 16));
    }
};

QTEST_MAIN(TextPainterTest)
#include "text_painter_test.moc"
