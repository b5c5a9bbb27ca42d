// The reader window as a whole, in-process on the offscreen platform: built from the
// form, its load step, drops, the refusal, the dialog, ticks in the viewer, sliders,
// the window commands, the caption drag and the colour key.
#include "qt/reader_window.h"

#include <QDropEvent>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>

using namespace lumio;

namespace {

struct Message {
    QString prompt;
    int style;
    QString title;
};

class Reader {
public:
    Reader() : window({QIcon(), u"https://maker.test/home", false}) {
        window.messageBox().replacement = [this](const QString& p, int s, const QString& t) {
            messages.push_back({p, s, t});
        };
        window.shell().replacement = [this](const QUrl& url) { opened.push_back(url); };
        window.dialog().replacement = [this](const QString& filter, const QString& start) {
            dialogFilters.push_back(filter);
            dialogStarts.push_back(start);
            return pick;
        };
        window.Start();
        QTRY_VERIFY(window.isVisible());
    }

    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return path;
    }

    static void Drop(QWidget* target, const QStringList& files, const QString& text = {}) {
        QMimeData mime;
        QList<QUrl> urls;
        for (const QString& f : files) {
            urls << QUrl::fromLocalFile(f);
        }
        if (!urls.isEmpty()) {
            mime.setUrls(urls);
        }
        if (!text.isEmpty()) {
            mime.setText(text);
        }
        // As a drag arrives: it enters, moves, then drops.
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDragMoveEvent move(QPoint(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &move);
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
    }

    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            window.core().trm1_Timer();
        }
    }

    void Click(std::u16string_view name) {
        ButtonHost* b = window.button(name);
        QVERIFY(b);
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(5, 5));
    }

    QTemporaryDir dir;
    ReaderWindow window;
    std::vector<Message> messages;
    std::vector<QUrl> opened;
    QString pick;
    QStringList dialogFilters;
    QStringList dialogStarts;
};

} // namespace

class ReaderWindowTest : public QObject {
    Q_OBJECT
private slots:
    void builtFromTheForm() {
        Reader r;
        ReaderWindow& w = r.window;
        QCOMPARE(w.windowTitle(), QStringLiteral("Lumio V3"));
        QCOMPARE(w.size(), QSize(650, 139));
        QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(w.windowType(), Qt::Tool);
        QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(w.topmost());

        struct Placed {
            const char16_t* name;
            QRect geometry;
            const char* toolTip;
        };
        const Placed buttons[] = {
            {u"cmd_main", {0, 0, 649, 25}, ""},
            {u"mstart", {5, 1, 27, 23}, "打开(或拖入)TXT文档，开始阅读"},
            {u"mzant", {42, 1, 27, 23}, "暂停"},
            {u"mstop", {79, 1, 27, 23}, "关闭"},
            {u"loadtxt", {499, 1, 30, 23}, "打开TXT文件"},
            {u"cmd_top", {540, 1, 27, 23}, "置顶"},
            {u"cmd_tolva", {577, 1, 30, 23}, "看看有没有新版本"},
            {u"cmd_exit", {616, 1, 27, 23}, "退出"},
        };
        for (const Placed& p : buttons) {
            ButtonHost* b = w.button(p.name);
            QVERIFY(b);
            QCOMPARE(b->geometry(), p.geometry);
            QCOMPARE(b->toolTip(), QString::fromUtf8(p.toolTip));
        }
        QCOMPARE(w.slider1().geometry(), QRect(117, 2, 100, 20));
        QCOMPARE(w.slider2().geometry(), QRect(229, 2, 100, 20));
        QCOMPARE(w.viewer().geometry(), QRect(0, 24, 649, 45));
        QCOMPARE(w.slider1().toolTip(), QStringLiteral("调整阅读速度"));
        QCOMPARE(w.slider2().toolTip(), QStringLiteral("调整文本阅读起点"));
        QCOMPARE(w.viewer().toolTip(),
                 QStringLiteral("先打开(或拖入)TXT文档，再点击第一个按钮开始"));
        QVERIFY(!w.button(u"cmd_main")->isEnabled());
        // The title strip lies beneath everything; the viewer covers its lowest pixel.
        QCOMPARE(w.childAt(300, 24), &w.viewer());
        QCOMPARE(w.childAt(200, 10), static_cast<QWidget*>(&w.slider1()));
        // Between the start-point slider (229..328) and the open button (499..): the strip.
        QCOMPARE(w.childAt(400, 10), static_cast<QWidget*>(w.button(u"cmd_main")));
        QCOMPARE(w.childAt(10, 5), w.button(u"mstart"));
    }

    void tabOrderFollowsTheTabIndex() {
        Reader r;
        ReaderWindow& w = r.window;
        // 1 cmd_exit, 2 cmd_tolva, 4 mstart, 5 cmd_top, 6 mstop, 7 mzant, 10 Slider1,
        // 11 Slider2, 12 loadtxt (0 is the disabled strip, 3 the viewer, which takes no
        // focus).
        const std::vector<QWidget*> order = {
            w.button(u"cmd_exit"), w.button(u"cmd_tolva"), w.button(u"mstart"),
            w.button(u"cmd_top"),  w.button(u"mstop"),     w.button(u"mzant"),
            &w.slider1(),          &w.slider2(),           w.button(u"loadtxt")};
        for (std::size_t i = 0; i + 1 < order.size(); ++i) {
            QCOMPARE(order[i]->nextInFocusChain(), order[i + 1]);
        }
    }

    void afterStartUp() {
        Reader r;
        ReaderWindow& w = r.window;
        QVERIFY(w.isVisible());
        QCOMPARE(w.timer().Interval(), 200);
        QVERIFY(!w.timer().Enabled());
        QCOMPARE(w.slider1().Value(), 5); // shown as 5, while the interval stays 200
        QCOMPARE(w.slider2().Value(), 0);
        QVERIFY(w.acceptDrops());
        QVERIFY(w.viewer().acceptDrops());
        QCOMPARE(w.GetExtendedStyle() & WS_EX_LAYERED, WS_EX_LAYERED);
        QVERIFY(w.windowCore().windowProcInstalled());
        QCOMPARE(w.windowCore().trayIconData().hWnd, w.hWnd());
        QCOMPARE(w.tray().size(), std::size_t(1));
        QVERIFY(w.core().txt2().empty());
        QVERIFY(r.messages.empty());
    }

    void dropsOnTheWindowAndTheViewer_data() {
        QTest::addColumn<bool>("onViewer");
        QTest::newRow("window") << false;
        QTest::newRow("viewer") << true;
    }
    void dropsOnTheWindowAndTheViewer() {
        QFETCH(bool, onViewer);
        Reader r;
        QWidget* target = onViewer ? static_cast<QWidget*>(&r.window.viewer()) : &r.window;
        const QString first = r.Write("first.txt", "ABCDEFGHIJ\r\n");
        const QString second = r.Write("second.txt", "0123456789\r\n");
        Reader::Drop(target, {first, second});
        QCOMPARE(r.window.core().txt2(), std::u16string(u"ABCDEFGHIJ  "));
        QVERIFY(r.window.timer().Enabled());
        QCOMPARE(r.window.core().ReadPos(), 0);
        QVERIFY(r.messages.empty());
        // A drop without files does nothing.
        r.Tick(3);
        Reader::Drop(target, {}, QStringLiteral("some text"));
        QCOMPARE(r.window.core().txt2(), std::u16string(u"ABCDEFGHIJ  "));
        QCOMPARE(r.window.core().ReadPos(), 3);
        QVERIFY(r.messages.empty());
        // The second file, alone.
        Reader::Drop(target, {second});
        QCOMPARE(r.window.core().txt2(), std::u16string(u"0123456789  "));
        QCOMPARE(r.window.core().ReadPos(), 0);
    }

    void aRefusedPathShowsTheMessageAndChangesNothing() {
        Reader r;
        Reader::Drop(&r.window, {r.Write("a.txt", "ABC\r\n")});
        r.Tick(2);
        Reader::Drop(&r.window, {r.Write("b.TXT", "XYZ\r\n")});
        QCOMPARE(r.messages.size(), std::size_t(1));
        QCOMPARE(r.messages[0].prompt, QStringLiteral("请选择一个Txt文件."));
        QCOMPARE(r.messages[0].title, QStringLiteral("信息提示"));
        QCOMPARE(r.messages[0].style, 64);
        QCOMPARE(r.window.core().txt2(), std::u16string(u"ABC  "));
        QCOMPARE(r.window.core().ReadPos(), 2);
        QVERIFY(r.window.timer().Enabled());
    }

    void theOpenDialog() {
        Reader r;
        const QString path = r.Write("novel.txt", "ABCDEFGHIJ\r\n");
        r.pick = path;
        r.Click(u"loadtxt");
        QCOMPARE(r.dialogFilters.size(), 1);
        QCOMPARE(r.dialogFilters[0], QStringLiteral("(txt) 文本 (*.txt)"));
        QCOMPARE(r.window.core().txt2(), std::u16string(u"ABCDEFGHIJ  "));
        r.Tick(4);
        // Cancel changes nothing: document, position, view and timer stay.
        r.pick.clear();
        r.Click(u"loadtxt");
        QCOMPARE(r.dialogStarts.back(), path); // opens where the last pick was
        QCOMPARE(r.window.core().txt2(), std::u16string(u"ABCDEFGHIJ  "));
        QCOMPARE(r.window.core().ReadPos(), 4);
        QCOMPARE(r.window.viewer().text(), QStringLiteral("ABCD"));
        QVERIFY(r.window.timer().Enabled());
        QVERIFY(r.messages.empty());
    }

    void cancelWithNothingPickedEver() {
        Reader r;
        r.Click(u"loadtxt");
        QVERIFY(r.messages.empty());
        QVERIFY(!r.window.timer().Enabled());
    }

    void ticksShowTheViewWithTheRedMark() {
        Reader r;
        Reader::Drop(&r.window, {r.Write("abc.txt", "ABCDEFGHIJ\r\n")});
        ViewerWidget& v = r.window.viewer();
        r.Tick(1);
        QCOMPARE(v.text(), QStringLiteral("A"));
        QCOMPARE(v.selLength(), 0);
        r.Tick(6); // p = 6 at the 7th tick
        QCOMPARE(v.text(), QStringLiteral("ABCDEFG"));
        QCOMPARE(v.selStart(), 1);
        QCOMPARE(v.selLength(), 6);
        QCOMPARE(v.ColorAt(0), ViewerWidget::kInk);
        for (int i = 1; i < 7; ++i) {
            QCOMPARE(v.ColorAt(i), qRgb(255, 0, 0));
        }
        r.Tick(4); // p = 10: eleven characters, from ReadPos 11 the last six marked
        QCOMPARE(v.text(), QStringLiteral("ABCDEFGHIJ "));
        QCOMPARE(v.selStart(), 5);
        QCOMPARE(v.ColorAt(4), ViewerWidget::kInk);
        QCOMPARE(v.ColorAt(10), qRgb(255, 0, 0));
    }

    void aLongViewShowsTheLineWithTheMark() {
        Reader r;
        QByteArray doc;
        for (int i = 0; i < 300; ++i) {
            doc += char('a' + i % 26);
        }
        Reader::Drop(&r.window, {r.Write("long.txt", doc + "\r\n")});
        r.Tick(250);
        ViewerWidget& v = r.window.viewer();
        QCOMPARE(v.text().size(), 200);
        QVERIFY(v.lineCount() > 1);
        QCOMPARE(v.visibleLine(), v.lineCount() - 1);
        const auto [start, length] = v.visibleRange();
        QVERIFY(start <= 199 && 199 < start + length);
    }

    void speedSliderByTheUserOnly() {
        Reader r;
        SliderWidget& s = r.window.slider1();
        s.SetValue(10); // the program: no rule
        QCOMPARE(r.window.timer().Interval(), 200);
        QVERIFY(!r.window.timer().Enabled());
        s.setFocus();
        QTest::keyClick(&s, Qt::Key_Left); // the user: 9 -> 44 ms, reading on
        QCOMPARE(s.Value(), 9);
        QCOMPARE(r.window.timer().Interval(), 44);
        QVERIFY(r.window.timer().Enabled());
        QTest::keyClick(&s, Qt::Key_End);
        QCOMPARE(r.window.timer().Interval(), 4);
    }

    void startPointSliderByTheUser() {
        Reader r;
        QByteArray doc(1000, 'x');
        Reader::Drop(&r.window, {r.Write("k.txt", doc + "\r\n")});
        r.window.core().mzant_Click();
        SliderWidget& s = r.window.slider2();
        s.setFocus();
        QTest::keyClick(&s, Qt::Key_End); // 10: 1002 characters / 0.1
        QCOMPARE(r.window.core().ReadPos(), 10020);
        QVERIFY(r.window.timer().Enabled());
        r.Tick();
        QVERIFY(!r.window.timer().Enabled()); // empty view pauses
    }

    void startPauseStopButtons() {
        Reader r;
        Reader::Drop(&r.window, {r.Write("a.txt", "ABCDEFGHIJ\r\n")});
        r.Tick(3);
        r.Click(u"mzant");
        QVERIFY(!r.window.timer().Enabled());
        QCOMPARE(r.window.viewer().text(), QStringLiteral("ABC"));
        r.Click(u"mstart");
        QVERIFY(r.window.timer().Enabled());
        r.Click(u"mstart");
        QVERIFY(!r.window.timer().Enabled());
        r.Click(u"mstop");
        QCOMPARE(r.window.viewer().text(), QString());
        QCOMPARE(r.window.core().ReadPos(), 3);
    }

    // Alt with a caption's access key clicks that button, wherever the focus is.
    void accessKeysReachTheirButton() {
        Reader r;
        Reader::Drop(&r.window, {r.Write("a.txt", "ABCDEFGHIJ\r\n")});
        QVERIFY(r.window.timer().Enabled());
        ButtonHost* pause = r.window.button(u"mzant");
        pause->SetCaption(u"&Pause");
        QCOMPARE(pause->AccessKeys(), std::u16string(u"p"));
        ButtonHost* other = r.window.button(u"mstart");
        other->setFocus();
        QTest::keyClick(other, Qt::Key_P, Qt::AltModifier);
        QVERIFY(!r.window.timer().Enabled());
        // Without Alt the letter is only a key.
        r.window.core().mstart_Click();
        QTest::keyClick(other, Qt::Key_P);
        QVERIFY(r.window.timer().Enabled());
    }

    // The arrow keys move the focus through the tab order, as Tab and Shift+Tab would.
    void arrowKeysMoveTheFocus() {
        Reader r;
        ReaderWindow& w = r.window;
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        ButtonHost* start = w.button(u"mstart"); // tab index 4; 5 is cmd_top, 2 cmd_tolva
        start->setFocus();
        QTRY_VERIFY(start->hasFocus());
        QTest::keyClick(start, Qt::Key_Right);
        QTRY_COMPARE(QApplication::focusWidget(), w.button(u"cmd_top"));
        QTest::keyClick(w.button(u"cmd_top"), Qt::Key_Up);
        QTRY_COMPARE(QApplication::focusWidget(), start);
        QTest::keyClick(start, Qt::Key_Left);
        QTRY_COMPARE(QApplication::focusWidget(), w.button(u"cmd_tolva"));
    }

    void pinToggleHidesAndTheTrayBringsItBack() {
        Reader r;
        ReaderWindow& w = r.window;
        ButtonHost* pin = w.button(u"cmd_top");
        r.Click(u"cmd_top");
        QTRY_VERIFY(!w.isVisible());
        QVERIFY(!w.topmost());
        QVERIFY(!(w.windowFlags() & Qt::WindowStaysOnTopHint));
        QCOMPARE(pin->Caption(), std::u16string(u"6"));
        QCOMPARE(pin->toolTip(), QStringLiteral("置顶窗体"));
        w.windowCore().Form_MouseMove(2, 0, 0, 0); // right: stays hidden
        QTest::qWait(20);
        QVERIFY(!w.isVisible());
        w.windowCore().Form_MouseMove(1, 0, 0, 0); // left: shown, still not pinned
        QTRY_VERIFY(w.isVisible());
        QVERIFY(!w.topmost());
        r.Click(u"cmd_top");
        QTest::qWait(20);
        QVERIFY(w.isVisible());
        QVERIFY(w.topmost());
        QCOMPARE(pin->Caption(), std::u16string(u"5"));
        QCOMPARE(pin->toolTip(), QStringLiteral("取消置顶窗体"));
        w.windowCore().Form_MouseMove(2, 0, 0, 0);
        QTRY_VERIFY(!w.isVisible());
    }

    // The icon's callback comes as the window's mouse-move message with the button.
    void trayCallbackThroughTheWindowsProcedure() {
        Reader r;
        ReaderWindow& w = r.window;
        w.SendWindowMessage(WM_MOUSEMOVE, MK_RBUTTON, 0);
        QTRY_VERIFY(!w.isVisible());
        w.SendWindowMessage(WM_MOUSEMOVE, 0, 0); // mere movement: nothing
        QTest::qWait(20);
        QVERIFY(!w.isVisible());
        w.SendWindowMessage(WM_MOUSEMOVE, MK_LBUTTON, 0);
        QTRY_VERIFY(w.isVisible());
    }

    void readingGoesOnWhileHidden() {
        Reader r;
        Reader::Drop(&r.window, {r.Write("a.txt", "ABCDEFGHIJ\r\n")});
        r.window.windowCore().Form_MouseMove(2, 0, 0, 0);
        QVERIFY(r.window.timer().Enabled());
        QTRY_VERIFY_WITH_TIMEOUT(r.window.core().ReadPos() >= 1, 2000);
    }

    void trayButtonsFromQtReasons() {
        QCOMPARE(TrayIcons::ButtonFor(QSystemTrayIcon::Trigger), std::int16_t(1));
        QCOMPARE(TrayIcons::ButtonFor(QSystemTrayIcon::DoubleClick), std::int16_t(1));
        QCOMPARE(TrayIcons::ButtonFor(QSystemTrayIcon::Context), std::int16_t(2));
        QCOMPARE(TrayIcons::ButtonFor(QSystemTrayIcon::MiddleClick), std::int16_t(4));
        QCOMPARE(TrayIcons::ButtonFor(QSystemTrayIcon::Unknown), std::int16_t(0));
        QCOMPARE(TrayIcons::BalloonMilliseconds(0), 10000);
        QCOMPARE(TrayIcons::BalloonMilliseconds(15000), 15000);
        QCOMPARE(TrayIcons::BalloonMilliseconds(90000), 30000);
    }

    void theTrayIconFollowsItsRecord() {
        Reader r;
        const TrayIconData& data = r.window.windowCore().trayIconData();
        QSystemTrayIcon* icon = r.window.tray().Find(data.hWnd, data.uID);
        QVERIFY(icon);
        QVERIFY(icon->toolTip().isEmpty());                        // no hover tip
        QVERIFY(!r.window.tray().Shell_NotifyIcon(NIM_ADD, data)); // already there
        QVERIFY(r.window.tray().Shell_NotifyIcon(NIM_DELETE, data));
        QVERIFY(!r.window.tray().Shell_NotifyIcon(NIM_DELETE, data));
        QCOMPARE(r.window.tray().size(), std::size_t(0));
    }

    void webPageCommand() {
        Reader r;
        r.Click(u"cmd_tolva");
        QCOMPARE(r.opened.size(), std::size_t(1));
        QCOMPARE(r.opened[0], QUrl(QStringLiteral("https://maker.test/home")));
    }

    void exitRemovesTheIconAndRestoresTheProcedure() {
        Reader r;
        ReaderWindow& w = r.window;
        const QPoint inside = w.mapToGlobal(QPoint(300, 10));
        QCOMPARE(w.HitTest(inside), 2);
        r.Click(u"cmd_exit");
        QVERIFY(!w.isVisible());
        QCOMPARE(w.tray().size(), std::size_t(0));
        QVERIFY(!w.windowCore().windowProcInstalled());
        QCOMPARE(w.HitTest(inside), 1); // the window's own answer again
    }

    void hitTestThroughTheProcedures() {
        Reader r;
        ReaderWindow& w = r.window;
        QCOMPARE(w.HitTest(w.mapToGlobal(QPoint(300, 10))), 2);
        QCOMPARE(w.HitTest(w.mapToGlobal(QPoint(300, 100))), 2);
        QCOMPARE(w.HitTest(w.mapToGlobal(QPoint(700, 10))), 0);
        // A procedure linked later sits above the reader's and can be removed alone.
        const WindowProcToken mine = w.InstallWindowProc(
            [](std::int32_t m, std::int32_t res) { return m == 0x84 && res == 2 ? 20 : res; });
        QCOMPARE(w.HitTest(w.mapToGlobal(QPoint(300, 10))), 20);
        w.RestoreWindowProc(mine);
        QCOMPARE(w.HitTest(w.mapToGlobal(QPoint(300, 10))), 2);
    }

    // Pressing the disabled title strip presses the window's caption: it moves with the
    // pointer (offscreen there is no window manager to do it).
    void draggingTheTitleStripMovesTheWindow() {
        Reader r;
        ReaderWindow& w = r.window;
        const QPoint before = w.pos();
        ButtonHost* strip = w.button(u"cmd_main");
        const QPoint grab(300, 10);
        QTest::mousePress(strip, Qt::LeftButton, {}, grab);
        QMouseEvent move(QEvent::MouseMove, QPointF(grab + QPoint(40, 30)),
                         strip->mapToGlobal(QPointF(grab + QPoint(40, 30))), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w, &move);
        QTest::mouseRelease(&w, Qt::LeftButton, {}, grab + QPoint(40, 30));
        QCOMPARE(w.pos(), before + QPoint(40, 30));
    }

    // Only the window's own area and disabled controls drag; the viewer, sliders and
    // enabled buttons keep their presses.
    void pressingControlsDoesNotDrag() {
        Reader r;
        ReaderWindow& w = r.window;
        const QPoint before = w.pos();
        const std::vector<std::pair<QWidget*, QPoint>> presses = {
            {&w.viewer(), QPoint(300, 20)},
            {&w.slider2(), QPoint(50, 10)},
            {w.button(u"mzant"), QPoint(5, 5)}};
        for (const auto& [widget, at] : presses) {
            QTest::mousePress(widget, Qt::LeftButton, {}, at);
            QMouseEvent move(QEvent::MouseMove, QPointF(at + QPoint(40, 30)),
                             widget->mapToGlobal(QPointF(at + QPoint(40, 30))), Qt::NoButton,
                             Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&w, &move);
            QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
        }
        QCOMPARE(w.pos(), before);
    }

    void theColourKeyIsTheWindowsShape() {
        Reader r;
        ReaderWindow& w = r.window;
        w.UpdateShapeNow();
        const KeyShape& shape = w.keyShape();
        QVERIFY(shape.Contains({300, 10}));  // title strip
        QVERIFY(shape.Contains({300, 40}));  // viewer
        QVERIFY(!shape.Contains({300, 69})); // background below the viewer
        QVERIFY(!shape.Contains({300, 138}));
        QVERIFY(!shape.Contains({649, 10})); // the strip right of the viewer and title
        QVERIFY(!shape.Contains({649, 40}));
        QVERIFY(w.mask().contains(QPoint(300, 40)));
        QVERIFY(!w.mask().contains(QPoint(300, 100)));
        QCOMPARE(w.renderedImage().pixel(300, 100) & 0xFFFFFF, QRgb(0x424242));
    }

    // A key-coloured pixel anywhere, here on a button's face, is a hole; a colour one
    // step off is not.
    void keyPixelsInsideControlsAreHoles() {
        Reader r;
        ReaderWindow& w = r.window;
        w.UpdateShapeNow();
        ButtonHost* b = w.button(u"mzant");
        const QPoint at = b->mapTo(&w, QPoint(10, 10));
        QVERIFY(w.keyShape().Contains({at.x(), at.y()}));
        b->surface().bitmap().set(10, 10, ToPixel(Rgb(66, 66, 66)));
        b->surface().bitmap().set(11, 10, ToPixel(Rgb(66, 66, 67)));
        b->update();
        QTRY_VERIFY(!w.keyShape().Contains({at.x(), at.y()}));
        QVERIFY(w.keyShape().Contains({at.x() + 1, at.y()}));
        QVERIFY(!w.mask().contains(at));
    }

    void ticksKeepTheShapeWithoutResettingIt() {
        Reader r;
        ReaderWindow& w = r.window;
        Reader::Drop(&w, {r.Write("a.txt", QByteArray(300, 'w') + "\r\n")});
        QTRY_VERIFY(w.timings().shapeUpdates > 0);
        const std::int64_t applied = w.timings().shapeApplied;
        for (int i = 0; i < 30; ++i) {
            r.Tick();
            w.viewer().repaint();
            QCoreApplication::processEvents();
        }
        QVERIFY(w.timings().shapeUpdates > 10);
        QCOMPARE(w.timings().shapeApplied, applied); // the shape did not change
    }
};

QTEST_MAIN(ReaderWindowTest)
#include "reader_window_test.moc"
