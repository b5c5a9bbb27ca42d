// The button host: Qt's events turned into the control's notifications with the
// platform's button, shift and key values; the surface shown through the window region.
#include "qt/button_host.h"
#include "qt/qt_text_painter.h"
#include "reader/main_msg_form.h"

#include <QTest>

using namespace lumio;

namespace {

struct Recorded {
    std::vector<std::string> calls;
};

std::string Args(std::int16_t b, std::int16_t s, float x, float y) {
    return std::to_string(b) + "," + std::to_string(s) + "," + std::to_string(int(x)) + "," +
           std::to_string(int(y));
}

void Record(ButtonHost& host, Recorded& r) {
    auto& n = host.notifications;
    n.MouseDown = [&r](auto b, auto s, auto x, auto y) {
        r.calls.push_back("Down " + Args(b, s, x, y));
    };
    n.MouseMove = [&r](auto b, auto s, auto x, auto y) {
        r.calls.push_back("Move " + Args(b, s, x, y));
    };
    n.MouseUp = [&r](auto b, auto s, auto x, auto y) {
        r.calls.push_back("Up " + Args(b, s, x, y));
    };
    n.DblClick = [&r] { r.calls.push_back("DblClick"); };
    n.KeyDown = [&r](auto k, auto s) {
        r.calls.push_back("KeyDown " + std::to_string(k) + "," + std::to_string(s));
    };
    n.KeyUp = [&r](auto k, auto s) {
        r.calls.push_back("KeyUp " + std::to_string(k) + "," + std::to_string(s));
    };
    n.GotFocus = [&r] { r.calls.push_back("GotFocus"); };
    n.LostFocus = [&r] { r.calls.push_back("LostFocus"); };
}

// A parent window with one of the form's buttons on it. With `record`, the control's
// input notifications are recorded instead of handled.
struct Hosted {
    Recorded recorded; // outlives the widgets, which may still report while they go
    QtTextPainter text;
    WindowRegistry windows;
    QtDesktop desktop{windows};
    WindowHandle parentWindow = windows.Create(0, nullptr);
    QWidget parent;
    ButtonHost* host;
    explicit Hosted(const char* name, bool record = true) {
        parent.resize(650, 139);
        desktop.Register(parentWindow, &parent);
        const Form form = LoadMainMsgForm();
        const FormControl* c = form.Find(name);
        ButtonAmbient ambient;
        ambient.backColor = Rgb(66, 66, 66);
        ambient.parentWindow = parentWindow;
        host = new ButtonHost(&parent, std::u16string(c->name.begin(), c->name.end()), ambient,
                              text, windows, desktop);
        host->Load(float(c->Left()), float(c->Top()), float(c->Width()), float(c->Height()),
                   *c->properties);
        if (record) {
            Record(*host, recorded);
        }
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
    }
    ~Hosted() { delete host; }
};

} // namespace

class ButtonHostTest : public QObject {
    Q_OBJECT
private slots:
    void geometryComesFromTwips() {
        Hosted h("mstart");
        QCOMPARE(h.host->geometry(), QRect(5, 1, 27, 23)); // 80,10,405,345 twips
        QCOMPARE(h.host->surface().width(), 27);
        QCOMPARE(h.host->surface().height(), 23);
        QCOMPARE(h.host->ScaleWidth(), 27.0f);
        QCOMPARE(h.host->Width(), 405.0f);
        QVERIFY(h.windows.IsWindow(h.host->hWnd()));
        QCOMPARE(h.windows.Find(h.host->hWnd())->parent(), h.parentWindow);
        QCOMPARE(h.host->button().model().mParentHwnd, h.parentWindow);
        QCOMPARE(h.desktop.WidgetOf(h.host->hWnd()), h.host);
        QCOMPARE(h.host->button().Caption(), std::u16string(u"4"));
    }

    void parentProperties() {
        Hosted h("mzant");
        QCOMPARE(h.host->ParentProperty("hWnd"), h.parentWindow);
        QCOMPARE(h.host->ParentProperty("MDIChild"), 0);
        QVERIFY_THROWS_EXCEPTION(RuntimeError, h.host->ParentProperty("Nope"));
    }

    void mouseEventsBecomeNotifications() {
        Hosted h("mstart");
        QTest::mousePress(h.host, Qt::LeftButton, Qt::ShiftModifier, QPoint(5, 6));
        QTest::mouseRelease(h.host, Qt::LeftButton, Qt::ControlModifier, QPoint(7, 8));
        QTest::mousePress(h.host, Qt::RightButton, Qt::AltModifier, QPoint(1, 2));
        QTest::mouseRelease(h.host, Qt::RightButton, {}, QPoint(1, 2));
        QTest::mousePress(h.host, Qt::MiddleButton, {}, QPoint(3, 3));
        QTest::mouseRelease(h.host, Qt::MiddleButton, {}, QPoint(3, 3));
        // A press on a control without the focus gives it the focus first.
        const std::vector<std::string> expected = {"GotFocus",     "Down 1,1,5,6", "Up 1,2,7,8",
                                                   "Down 2,4,1,2", "Up 2,0,1,2",   "Down 4,0,3,3",
                                                   "Up 4,0,3,3"};
        QCOMPARE(h.recorded.calls, expected);
    }

    void movesCarryTheButtonsHeld() {
        Hosted h("mstart");
        QTest::mouseMove(h.host, QPoint(4, 4));
        QMouseEvent drag(QEvent::MouseMove, QPointF(6, 9), h.host->mapToGlobal(QPointF(6, 9)),
                         Qt::NoButton, Qt::LeftButton | Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(h.host, &drag);
        QVERIFY(!h.recorded.calls.empty());
        QCOMPARE(h.recorded.calls.back(), std::string("Move 3,0,6,9"));
    }

    void doubleClickFollowsThePlatformOrder() {
        Hosted h("mstart");
        // Qt reports press, release, double click, release, as the platform does; the
        // double click is DblClick alone, not a second MouseDown.
        QTest::mousePress(h.host, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(h.host, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseDClick(h.host, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(h.host, Qt::LeftButton, {}, QPoint(5, 5));
        const std::vector<std::string> expected = {"GotFocus", "Down 1,0,5,5", "Up 1,0,5,5",
                                                   "DblClick", "Up 1,0,5,5"};
        QCOMPARE(h.recorded.calls, expected);
    }

    void keysBecomeVirtualKeyCodes_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("code");
        QTest::newRow("enter") << int(Qt::Key_Return) << 13;
        QTest::newRow("keypad enter") << int(Qt::Key_Enter) << 13;
        QTest::newRow("space") << int(Qt::Key_Space) << 32;
        QTest::newRow("left") << int(Qt::Key_Left) << 37;
        QTest::newRow("up") << int(Qt::Key_Up) << 38;
        QTest::newRow("right") << int(Qt::Key_Right) << 39;
        QTest::newRow("down") << int(Qt::Key_Down) << 40;
        QTest::newRow("escape") << int(Qt::Key_Escape) << 27;
        QTest::newRow("letter") << int(Qt::Key_Q) << 81;
        QTest::newRow("digit") << int(Qt::Key_7) << 55;
        QTest::newRow("F5") << int(Qt::Key_F5) << 116;
        QTest::newRow("none") << int(Qt::Key_VolumeUp) << 0;
    }
    void keysBecomeVirtualKeyCodes() {
        QFETCH(int, key);
        QFETCH(int, code);
        QCOMPARE(int(ButtonHost::KeyCodeFor(key)), code);
    }

    void keyPressAndReleaseReachTheControl() {
        Hosted h("mstart");
        h.host->setFocus();
        QVERIFY(QTest::qWaitFor([&] { return h.host->hasFocus(); }));
        h.recorded.calls.clear();
        QTest::keyPress(h.host, Qt::Key_Space, Qt::AltModifier);
        QTest::keyRelease(h.host, Qt::Key_Space, Qt::AltModifier);
        QTest::keyClick(h.host, Qt::Key_Return);
        // Auto-repeat: more key-downs, no key-up until the end.
        QKeyEvent repeatDown(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
        QKeyEvent repeatUp(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, " ", true);
        QApplication::sendEvent(h.host, &repeatDown);
        QApplication::sendEvent(h.host, &repeatUp);
        // Alt is a key of its own (18), held around the space.
        const std::vector<std::string> expected = {"KeyDown 18,4", "KeyDown 32,4", "KeyUp 32,4",
                                                   "KeyUp 18,0",   "KeyDown 13,0", "KeyUp 13,0",
                                                   "KeyDown 32,0"};
        QCOMPARE(h.recorded.calls, expected);
    }

    void focusInAndOut() {
        Hosted h("mstart");
        auto* other = new QWidget(&h.parent);
        other->setFocusPolicy(Qt::StrongFocus);
        other->show();
        h.parent.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h.parent));
        h.host->setFocus();
        other->setFocus();
        const std::vector<std::string> expected = {"GotFocus", "LostFocus"};
        QCOMPARE(h.recorded.calls, expected);
    }

    // A disabled control takes no input: the parent gets it, as the title strip needs.
    void disabledHostPassesPointerInputToItsParent() {
        struct Parent : QWidget {
            int presses = 0;
            void mousePressEvent(QMouseEvent*) override { ++presses; }
        };
        Recorded r;
        QtTextPainter text;
        WindowRegistry windows;
        QtDesktop desktop{windows};
        Parent parent;
        parent.resize(650, 139);
        const Form form = LoadMainMsgForm();
        const FormControl* c = form.Find("cmd_main");
        ButtonAmbient ambient;
        ambient.parentWindow = windows.Create(0, nullptr);
        auto* host = new ButtonHost(&parent, u"cmd_main", ambient, text, windows, desktop);
        host->Load(float(c->Left()), float(c->Top()), float(c->Width()), float(c->Height()),
                   *c->properties);
        Record(*host, r);
        parent.show();
        QVERIFY(QTest::qWaitForWindowExposed(&parent));
        QVERIFY(!host->isEnabled());
        QVERIFY(!host->SurfaceEnabled());
        QTest::mousePress(host, Qt::LeftButton, {}, QPoint(100, 10));
        QTest::mouseRelease(host, Qt::LeftButton, {}, QPoint(100, 10));
        QVERIFY(r.calls.empty());
        QCOMPARE(parent.presses, 1);
        QVERIFY(!windows.Find(host->hWnd())->enabled());
        QCOMPARE(desktop.WindowFromPoint({host->mapToGlobal(QPoint(100, 10)).x(),
                                          host->mapToGlobal(QPoint(100, 10)).y()}),
                 0); // the parent has no window here; a disabled one never answers
        delete host;
    }

    // The real control behind the host: messages reach its handlers and its hook.
    void aClickRaisesClick() {
        Hosted h("mzant", false);
        int clicks = 0;
        h.host->button().events.Click = [&] { ++clicks; };
        QTest::mouseClick(h.host, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(clicks, 1);
        // Released outside: no click.
        QTest::mousePress(h.host, Qt::LeftButton, {}, QPoint(10, 10));
        QTest::mouseRelease(h.host, Qt::LeftButton, {}, QPoint(40, 10));
        QCOMPARE(clicks, 1);
        // Enter and Space.
        h.host->setFocus();
        QTest::keyClick(h.host, Qt::Key_Return);
        QTest::keyClick(h.host, Qt::Key_Space);
        QCOMPARE(clicks, 3);
        QCOMPARE(h.desktop.GetCapture(), 0); // nothing keeps the mouse
    }

    void hoverPressAndLeaveChangeTheState() {
        Hosted h("mzant", false);
        const ButtonModel& m = h.host->button().model();
        QCOMPARE(m.mState, 0);
        QTest::mouseMove(h.host, QPoint(10, 10));
        QTRY_COMPARE(m.mState, 1); // the hook saw the first move: hover
        QVERIFY(m.mMouseOver);
        QVERIFY(h.desktop.IsTrackingLeave(h.host->hWnd()));
        QTest::mousePress(h.host, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(m.mState, 2);
        QCOMPARE(h.desktop.GetCapture(), h.host->hWnd());
        QTest::mouseRelease(h.host, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(h.desktop.GetCapture(), 0);
        QTest::mouseMove(&h.parent, QPoint(300, 100));
        QTRY_COMPARE(m.mState, 0); // left: the leave notification came
        QVERIFY(!m.mMouseOver);
    }

    void parentActivationReachesTheControl() {
        Hosted h("mzant", false);
        const ButtonModel& m = h.host->button().model();
        h.windows.Send(h.parentWindow, WM_ACTIVATE, WA_ACTIVE, 0);
        QVERIFY(m.mParentActive);
        h.windows.Send(h.parentWindow, WM_ACTIVATE, WA_INACTIVE, 0);
        QVERIFY(!m.mParentActive);
    }

    void theHookSitsOnBothWindows() {
        Hosted h("mzant", false);
        QVERIFY(h.host->button().messageHook());
        QCOMPARE(h.windows.Find(h.host->hWnd())->Chain().size(), std::size_t(2));
        QCOMPARE(h.windows.Find(h.parentWindow)->Chain().size(), std::size_t(2));
        delete h.host;
        h.host = nullptr;
        // Gone with its control: the parent's chain is back to its own procedure.
        QCOMPARE(h.windows.Find(h.parentWindow)->Chain().size(), std::size_t(1));
    }

    void regionBecomesTheMask() {
        Hosted h("mstart");
        h.host->SetWindowRgn(CreateRoundRectRgn(0, 0, 28, 24, 3, 3), true);
        const QRegion mask = h.host->mask();
        QVERIFY(!mask.contains(QPoint(0, 0)));
        QVERIFY(mask.contains(QPoint(13, 11)));
        QVERIFY(mask.contains(QPoint(26, 11)));
        QVERIFY(!mask.contains(QPoint(27, 11)));
        h.host->SetWindowRgn(Region(), true);
        QVERIFY(!h.host->mask().contains(QPoint(13, 11))); // an empty region hides all
    }

    void theWidgetShowsTheSurface() {
        Hosted h("mstart");
        Surface& s = h.host->surface();
        s.bitmap().Fill(0xFF123456);
        h.host->update();
        const QImage shown = h.host->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.pixel(13, 11) & 0xFFFFFF, QRgb(0x123456));
        QCOMPARE(h.host->SurfaceImage().constBits(), static_cast<const uchar*>(s.bytes()));
    }

    void captionAndToolTipForThePinCommand() {
        Hosted h("cmd_top");
        QCOMPARE(h.host->Caption(), std::u16string(u"5"));
        h.host->SetCaption(u"6");
        QCOMPARE(h.host->button().Caption(), std::u16string(u"6"));
        h.host->SetToolTipText(u"置顶窗体");
        QCOMPARE(h.host->toolTip(), QStringLiteral("置顶窗体"));
    }

    void mousePointers() {
        Hosted h("mstart");
        h.host->SetSurfaceMousePointer(2);
        QCOMPARE(h.host->cursor().shape(), Qt::CrossCursor);
        h.host->SetSurfaceMousePointer(0);
        QCOMPARE(h.host->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(h.host->SurfaceMousePointer(), std::int16_t(0));
    }
};

QTEST_MAIN(ButtonHostTest)
#include "button_host_test.moc"
