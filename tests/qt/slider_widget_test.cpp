// The sliders raise Scroll and Click for the user's moves only.
#include "qt/slider_widget.h"

#include <QTest>

using namespace lumio;

class SliderWidgetTest : public QObject {
    Q_OBJECT

    struct Counted {
        SliderWidget slider;
        int clicks = 0;
        int scrolls = 0;
        std::vector<int> valuesSeen; // the value each event saw
        Counted() {
            slider.resize(100, 20);
            slider.onClick = [this] {
                ++clicks;
                valuesSeen.push_back(slider.Value());
            };
            slider.onScroll = [this] {
                ++scrolls;
                valuesSeen.push_back(slider.Value());
            };
            slider.show();
            QVERIFY(QTest::qWaitForWindowExposed(&slider));
        }
    };

private slots:
    void programSetsRaiseNothing() {
        Counted c;
        c.slider.SetValue(5);
        c.slider.SetValue(10);
        c.slider.setValue(0);
        QCOMPARE(c.clicks + c.scrolls, 0);
        QCOMPARE(c.slider.Value(), 0);
    }

    void rangeAndSteps() {
        SliderWidget s;
        QCOMPARE(s.minimum(), 0);
        QCOMPARE(s.maximum(), 10);
        s.SetValue(12);
        QCOMPARE(s.Value(), 10);
    }

    void keysScroll_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("expected");
        QTest::newRow("right") << int(Qt::Key_Right) << 5 << 6;
        QTest::newRow("left") << int(Qt::Key_Left) << 5 << 4;
        QTest::newRow("page up") << int(Qt::Key_PageUp) << 2 << 7;
        QTest::newRow("end") << int(Qt::Key_End) << 2 << 10;
        QTest::newRow("home") << int(Qt::Key_Home) << 7 << 0;
    }
    void keysScroll() {
        QFETCH(int, key);
        QFETCH(int, start);
        QFETCH(int, expected);
        Counted c;
        c.slider.SetValue(start);
        c.slider.setFocus();
        QTest::keyClick(&c.slider, Qt::Key(key));
        QCOMPARE(c.slider.Value(), expected);
        QCOMPARE(c.scrolls, 1);
        QCOMPARE(c.clicks, 0);
        QCOMPARE(c.valuesSeen, std::vector<int>{expected}); // the event sees the new value
    }

    void keyAtTheLimitMovesNothingAndRaisesNothing() {
        Counted c;
        c.slider.SetValue(10);
        c.slider.setFocus();
        QTest::keyClick(&c.slider, Qt::Key_Right);
        QCOMPARE(c.scrolls, 0);
        // and a later program set is still the program's
        c.slider.SetValue(3);
        QCOMPARE(c.scrolls, 0);
    }

    void clickingTheTrackScrollsThenClicks() {
        Counted c;
        c.slider.SetValue(0);
        QTest::mouseClick(&c.slider, Qt::LeftButton, {}, QPoint(90, 10));
        QVERIFY(c.slider.Value() >= 8);
        QCOMPARE(c.scrolls, 1);
        QCOMPARE(c.clicks, 1);
        QCOMPARE(c.valuesSeen.back(), c.slider.Value());
    }

    void draggingTheThumbScrollsForEachStep() {
        Counted c;
        c.slider.SetValue(0);
        const QRect r = c.slider.rect();
        // The thumb sits at the left end at 0.
        QTest::mousePress(&c.slider, Qt::LeftButton, {}, QPoint(4, r.center().y()));
        for (int x = 10; x <= 96; x += 6) {
            QMouseEvent move(QEvent::MouseMove, QPointF(x, r.center().y()),
                             c.slider.mapToGlobal(QPointF(x, r.center().y())), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&c.slider, &move);
        }
        QTest::mouseRelease(&c.slider, Qt::LeftButton, {}, QPoint(96, r.center().y()));
        QVERIFY(c.slider.Value() >= 9);
        QVERIFY(c.scrolls >= 5);
        QCOMPARE(c.clicks, 1);
    }

    void clickingTheTrackLeftOfTheThumb() {
        Counted c;
        c.slider.SetValue(10);
        QTest::mouseClick(&c.slider, Qt::LeftButton, {}, QPoint(8, 10));
        QVERIFY(c.slider.Value() <= 1);
        QCOMPARE(c.scrolls, 1);
        QCOMPARE(c.clicks, 1);
    }

    void rightButtonIsNoClick() {
        Counted c;
        QTest::mouseClick(&c.slider, Qt::RightButton, {}, QPoint(50, 10));
        QCOMPARE(c.clicks, 0);
    }
};

QTEST_MAIN(SliderWidgetTest)
#include "slider_widget_test.moc"
