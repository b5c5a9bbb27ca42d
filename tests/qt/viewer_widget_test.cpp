// The viewer: rich-text box operations, the red mark, the one line in view, and
// colours that never produce the window's colour key.
#include "qt/font_mapping.h"
#include "qt/viewer_widget.h"

#include <QTest>

using namespace lumio;

namespace {

const QRgb kKey = qRgb(66, 66, 66);

std::unique_ptr<ViewerWidget> MakeViewer() {
    auto v = std::make_unique<ViewerWidget>();
    v->resize(649, 45);
    v->SetViewerFont(QtFontFor(FontAttributes{u"微软雅黑", 21.75, 400, 134}));
    return v;
}

QImage Shot(ViewerWidget& v) {
    return v.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int Count(const QImage& image, QRgb color) {
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            n += (image.pixel(x, y) & 0xFFFFFF) == (color & 0xFFFFFF) ? 1 : 0;
        }
    }
    return n;
}

std::u16string Repeat(std::u16string_view unit, int times) {
    std::u16string s;
    for (int i = 0; i < times; ++i) {
        s += unit;
    }
    return s;
}

} // namespace

class ViewerWidgetTest : public QObject {
    Q_OBJECT
private slots:
    void setTextClearsSelectionAndColours() {
        auto v = MakeViewer();
        v->SetText(u"ABCDEFGHIJ");
        v->SetSelStart(4);
        v->SetSelLength(6);
        v->SetSelColor(255);
        QCOMPARE(v->ColorAt(4), qRgb(255, 0, 0));
        QCOMPARE(v->ColorAt(3), ViewerWidget::kInk);
        v->SetText(u"KLMNOPQRST");
        QCOMPARE(v->selStart(), 0);
        QCOMPARE(v->selLength(), 0);
        QCOMPARE(v->ColorAt(4), ViewerWidget::kInk);
        QCOMPARE(v->text(), QStringLiteral("KLMNOPQRST"));
    }

    void selectionIsClampedToTheText_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selLength");
        QTest::newRow("inside") << 2 << 3 << 2 << 3;
        QTest::newRow("too long") << 7 << 6 << 7 << 3;
        QTest::newRow("past the end") << 15 << 2 << 10 << 0;
        QTest::newRow("negative start") << -4 << 2 << 0 << 2;
        QTest::newRow("negative length") << 3 << -1 << 3 << 0;
    }
    void selectionIsClampedToTheText() {
        QFETCH(int, start);
        QFETCH(int, length);
        auto v = MakeViewer();
        v->SetText(u"0123456789");
        v->SetSelStart(start);
        v->SetSelLength(length);
        QTEST(v->selStart(), "selStart");
        QTEST(v->selLength(), "selLength");
    }

    void colourWithoutSelectionChangesNothing() {
        auto v = MakeViewer();
        v->SetText(u"ABC");
        v->SetSelColor(255);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(v->ColorAt(i), ViewerWidget::kInk);
        }
        QCOMPARE(Count(Shot(*v), qRgb(255, 0, 0)), 0);
    }

    void markedCharactersShowRedTheRestInk() {
        auto v = MakeViewer();
        v->SetText(u"桃花源记陶渊明晋太元中");
        QImage plain = Shot(*v);
        QCOMPARE(Count(plain, qRgb(255, 0, 0)), 0);
        QVERIFY(Count(plain, ViewerWidget::kInk) > 50);
        v->SetSelStart(5);
        v->SetSelLength(6);
        v->SetSelColor(255);
        const QImage marked = Shot(*v);
        QVERIFY(Count(marked, qRgb(255, 0, 0)) > 50);
        QVERIFY(Count(marked, ViewerWidget::kInk) > 20);
        // Red only right of the unmarked characters.
        int firstRed = marked.width();
        int lastInk = 0;
        for (int y = 0; y < marked.height(); ++y) {
            for (int x = 0; x < marked.width(); ++x) {
                const QRgb p = marked.pixel(x, y) & 0xFFFFFF;
                if (p == 0xFF0000) {
                    firstRed = std::min(firstRed, x);
                }
                if (p == (ViewerWidget::kInk & 0xFFFFFF)) {
                    lastInk = std::max(lastInk, x);
                }
            }
        }
        QVERIFY(lastInk < firstRed);
    }

    void oneLineFitsTheViewerHeight() {
        auto v = MakeViewer();
        QFontMetricsF metrics(QtFontFor(FontAttributes{u"微软雅黑", 21.75, 400, 134}));
        QVERIFY(metrics.height() <= 45);
        v->SetText(Repeat(u"国", 60));
        QVERIFY(v->lineCount() >= 2);
    }

    // The line in view is the one holding the end of the selection; without a
    // selection, the first.
    void theLineInViewHoldsTheSelection() {
        auto v = MakeViewer();
        const std::u16string text = Repeat(u"国", 100);
        v->SetText(text);
        QCOMPARE(v->visibleLine(), 0);
        const int lines = v->lineCount();
        QVERIFY(lines >= 4);
        v->SetSelStart(94);
        v->SetSelLength(6);
        v->SetSelColor(255);
        QCOMPARE(v->visibleLine(), lines - 1);
        const auto [start, length] = v->visibleRange();
        QVERIFY(start <= 99 && 99 < start + length);
        // A selection in the middle.
        v->SetSelStart(40);
        v->SetSelLength(1);
        const auto [s2, l2] = v->visibleRange();
        QVERIFY(s2 <= 40 && 40 < s2 + l2);
        QVERIFY(v->visibleLine() > 0 && v->visibleLine() < lines - 1);
    }

    void emptyViewerShowsThePageOnly() {
        auto v = MakeViewer();
        v->SetText(u"");
        QCOMPARE(v->visibleRange().second, 0);
        const QImage shot = Shot(*v);
        QVERIFY(Count(shot, ViewerWidget::kPage) > 649 * 40);
        QCOMPARE(Count(shot, ViewerWidget::kInk), 0);
    }

    // Smoothing between ink, red, frame and page never lands on the colour key.
    void noPixelIsEverTheColourKey() {
        auto v = MakeViewer();
        const std::u16string samples[] = {u"桃花源记　陶渊明　晋太元中，武陵人捕鱼为业。",
                                          u"ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz",
                                          u"0123456789 .,;:!?()[]{} —…“”《》、。"};
        for (const auto& s : samples) {
            v->SetText(s);
            v->SetSelStart(static_cast<int>(s.size()) - 6);
            v->SetSelLength(6);
            v->SetSelColor(255);
            QCOMPARE(Count(Shot(*v), kKey), 0);
        }
    }

    void dropsNeedManualMode() {
        auto v = MakeViewer();
        QVERIFY(!v->acceptDrops());
        v->SetOLEDropMode(kOleDropManual);
        QVERIFY(v->acceptDrops());
        v->SetOLEDropMode(0);
        QVERIFY(!v->acceptDrops());
    }
};

QTEST_MAIN(ViewerWidgetTest)
#include "viewer_widget_test.moc"
