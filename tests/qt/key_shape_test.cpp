// The colour key as a window shape: which pixels are in, how rows are banded, and that
// only real changes are reported.
#include "qt/key_shape.h"

#include <QTest>

using lumio::KeyShape;

namespace {

const QRgb kKey = qRgb(66, 66, 66);

QImage Filled(int w, int h, QRgb color) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

// Every pixel of the region against the image: in exactly when not the key colour.
bool MatchesImage(const KeyShape& shape, const QImage& image) {
    const QRegion region = shape.region();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const bool opaque = (image.pixel(x, y) & 0xFFFFFF) != (kKey & 0xFFFFFF);
            if (region.contains(QPoint(x, y)) != opaque || shape.Contains({x, y}) != opaque) {
                qWarning("pixel %d,%d", x, y);
                return false;
            }
        }
    }
    return true;
}

} // namespace

class KeyShapeTest : public QObject {
    Q_OBJECT
private slots:
    void onlyTheExactKeyColourIsOutside() {
        QImage image = Filled(8, 3, kKey);
        image.setPixel(1, 0, qRgb(66, 66, 67));
        image.setPixel(2, 0, qRgb(67, 66, 66));
        image.setPixel(3, 0, qRgb(66, 65, 66));
        image.setPixel(4, 1, qRgb(0, 0, 0));
        image.setPixel(5, 1, qRgba(66, 66, 66, 0)); // alpha does not count
        KeyShape shape(kKey);
        QVERIFY(shape.UpdateAll(image));
        QVERIFY(shape.Contains({1, 0}));
        QVERIFY(shape.Contains({2, 0}));
        QVERIFY(shape.Contains({3, 0}));
        QVERIFY(shape.Contains({4, 1}));
        QVERIFY(!shape.Contains({5, 1}));
        QVERIFY(!shape.Contains({0, 0}));
        QVERIFY(MatchesImage(shape, image));
    }

    void allKeyIsEmptyAndNoKeyIsTheWholeImage() {
        KeyShape shape(kKey);
        shape.UpdateAll(Filled(10, 4, kKey));
        QVERIFY(shape.rects().empty());
        QVERIFY(shape.region().isEmpty());
        shape.UpdateAll(Filled(10, 4, qRgb(255, 255, 255)));
        QCOMPARE(shape.rects().size(), std::size_t(1));
        QCOMPARE(shape.rects()[0], QRect(0, 0, 10, 4));
    }

    void identicalRowsShareOneBand() {
        QImage image = Filled(20, 10, kKey);
        for (int y = 2; y < 6; ++y) {
            for (int x = 3; x < 7; ++x) {
                image.setPixel(x, y, qRgb(10, 20, 30));
            }
            for (int x = 12; x < 15; ++x) {
                image.setPixel(x, y, qRgb(10, 20, 30));
            }
        }
        image.setPixel(0, 9, qRgb(1, 1, 1));
        KeyShape shape(kKey);
        shape.UpdateAll(image);
        const std::vector<QRect> expected = {QRect(3, 2, 4, 4), QRect(12, 2, 3, 4),
                                             QRect(0, 9, 1, 1)};
        QCOMPARE(shape.rects(), expected);
        QVERIFY(MatchesImage(shape, image));
    }

    void aChangeIsReportedOnlyWhenTheShapeChanges() {
        QImage image = Filled(30, 6, qRgb(200, 200, 200));
        KeyShape shape(kKey);
        QVERIFY(shape.UpdateAll(image));
        // Other non-key colours: same shape, nothing to tell the window system.
        for (int x = 0; x < 30; ++x) {
            image.setPixel(x, 3, qRgb(255, 0, 0));
        }
        QVERIFY(!shape.Update(image, 3, 4));
        // A key pixel: a hole appears.
        image.setPixel(7, 4, kKey);
        QVERIFY(shape.Update(image, 4, 5));
        QVERIFY(!shape.Contains({7, 4}));
        QVERIFY(MatchesImage(shape, image));
        // Rows outside the range given are not looked at.
        image.setPixel(9, 0, kKey);
        QVERIFY(!shape.Update(image, 1, 6));
        QVERIFY(shape.Contains({9, 0}));
        QVERIFY(shape.Update(image, 0, 1));
        QVERIFY(MatchesImage(shape, image));
    }

    void aNewSizeRescansEverything() {
        KeyShape shape(kKey);
        shape.UpdateAll(Filled(10, 10, qRgb(1, 2, 3)));
        const std::int64_t before = shape.rowsScanned();
        QImage bigger = Filled(12, 14, kKey);
        bigger.setPixel(11, 13, qRgb(9, 9, 9));
        QVERIFY(shape.Update(bigger, 0, 1)); // asks for one row, gets all of them
        QCOMPARE(shape.rowsScanned() - before, std::int64_t(14));
        QVERIFY(MatchesImage(shape, bigger));
    }

    void rangesAreClampedToTheImage() {
        KeyShape shape(kKey);
        QImage image = Filled(5, 5, qRgb(3, 3, 3));
        shape.UpdateAll(image);
        QVERIFY(!shape.Update(image, -10, 100));
        QVERIFY(!shape.Update(image, 4, 2));
        QVERIFY(!shape.Contains({-1, 0}));
        QVERIFY(!shape.Contains({0, 5}));
    }

    void anotherKeyColour() {
        QImage image = Filled(4, 1, kKey);
        image.setPixel(0, 0, qRgb(0, 0, 255));
        KeyShape shape(qRgb(0, 0, 255));
        shape.UpdateAll(image);
        QVERIFY(!shape.Contains({0, 0}));
        QVERIFY(shape.Contains({1, 0}));
        shape.SetKey(kKey);
        QVERIFY(shape.Update(image, 0, 0)); // a new key rescans at once
        QVERIFY(shape.Contains({0, 0}));
        QVERIFY(!shape.Contains({1, 0}));
    }

    void otherPixelFormatsAreConverted() {
        QImage image(6, 2, QImage::Format_RGB888);
        image.fill(QColor(66, 66, 66));
        image.setPixelColor(2, 1, QColor(66, 66, 67));
        KeyShape shape(kKey);
        shape.UpdateAll(image);
        QCOMPARE(shape.rects(), std::vector<QRect>{QRect(2, 1, 1, 1)});
    }
};

QTEST_GUILESS_MAIN(KeyShapeTest)
#include "key_shape_test.moc"
