// The reader window with a reading memory, in-process on the offscreen platform: the
// window keeps the place when the strip is hidden, resumes it after a load, and the
// viewer's menu, driven by its keys, moves the reading.
#include "qt/qt_strings.h"
#include "qt/reader_window.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace lumio;

namespace {

class RecordingPlaces : public ReadingPlaces {
public:
    void Leave(std::int32_t readPos) override { calls << QStringLiteral("Leave(%1)").arg(readPos); }
    std::int32_t Resume(std::u16string_view, std::size_t length) override {
        calls << QStringLiteral("Resume(%1)").arg(length);
        return resumeAt;
    }
    void Keep(std::int32_t readPos) override { calls << QStringLiteral("Keep(%1)").arg(readPos); }
    void Ticked(std::int32_t) override {}
    bool Enabled() const override { return enabled; }
    void SetEnabled(bool value) override { enabled = value; }

    QStringList calls;
    std::int32_t resumeAt = 0;
    bool enabled = true;
};

} // namespace

class ReaderWindowMemoryTest : public QObject {
    Q_OBJECT
private:
    QTemporaryDir dir;
    std::unique_ptr<RecordingPlaces> places;
    std::unique_ptr<ReaderWindow> window;

private slots:
    void init() {
        QVERIFY(dir.isValid());
        places = std::make_unique<RecordingPlaces>();
        window = std::make_unique<ReaderWindow>(
            ReaderWindowOptions{QIcon(), u"https://maker.test/home", false, places.get()});
        window->messageBox().replacement = [](const QString&, int, const QString&) {};
        window->Start();
        QTRY_VERIFY(window->isVisible());
        // 第一章 at 4 and 第二章 at 15 in a text of 100 characters.
        QFile file(dir.filePath(QStringLiteral("book.txt")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("ab\r\n\xB5\xDA\xD2\xBB\xD5\xC2\r\ncdef\r\n\xB5\xDA\xB6\xFE\xD5\xC2\r\n" +
                   QByteArray(78, 'x') + "\r\n");
        file.close();
        places->resumeAt = 40;
        window->OpenAsDropped(ToU16(file.fileName()));
        QCOMPARE(window->core().txt2().size(), 100u);
        QCOMPARE(window->core().ReadPos(), 40);
        places->calls.clear();
    }
    void cleanup() {
        window.reset();
        places.reset();
    }

    void hidingTheStripKeepsThePlace() {
        window->timer().SetEnabled(false);    // no tick moves the place meanwhile
        window->windowCore().cmd_top_Click(); // pinned: the pin button hides the strip
        QCOMPARE(places->calls, QStringList{"Keep(40)"});
        window->windowCore().Form_MouseMove(1, 0, 0, 0); // back from the tray
        window->core().SetReadPos(55);
        window->windowCore().Form_MouseMove(2, 0, 0, 0); // the tray's right click
        QCOMPARE(places->calls, (QStringList{"Keep(40)", "Keep(55)"}));
    }

    void theMenuFromTheKeyboardJumpsToAChapter() {
        window->viewerMenuShower().onShown = [](QMenu& menu) {
            QTest::keyClick(&menu, Qt::Key_Down); // 目录
            QTest::keyClick(&menu, Qt::Key_Right);
            QMenu* chapters = menu.actions()[0]->menu();
            QTRY_VERIFY(chapters->isVisible());
            QTest::keyClick(chapters, Qt::Key_Down); // from the first chapter to the second
            QTest::keyClick(chapters, Qt::Key_Return);
        };
        window->timer().SetEnabled(false);
        window->core().SetReadPos(0); // before the first chapter: none is marked
        window->OpenViewerMenuFromKeyboard();
        QCOMPARE(window->core().ReadPos(), 15);
        QVERIFY(window->timer().Enabled()); // a place chosen reads on, as a slider move does
    }

    void theMenuSwitchesTheMemoryOffForThisRun() {
        window->viewerMenuShower().onShown = [](QMenu& menu) {
            QTest::keyClick(&menu, Qt::Key_Up); // from the bottom: 记住阅读位置
            QTest::keyClick(&menu, Qt::Key_Return);
        };
        window->OpenViewerMenuFromKeyboard();
        QVERIFY(!places->enabled);
        QCOMPARE(window->core().ReadPos(), 40);
    }
};

QTEST_MAIN(ReaderWindowMemoryTest)
#include "reader_window_memory_test.moc"
