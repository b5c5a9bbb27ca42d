// One strip per session on Linux: the lock and socket in the runtime folder, a later
// start's message handed over byte for byte, and what is not a message refused.
#include "platform/utf.h"
#include "qt/qt_single_instance.h"
#include "reader/second_start.h"

#include <QLocalSocket>
#include <QTemporaryDir>
#include <QTest>
#include <atomic>
#include <thread>

using namespace lumio;
using Role = QtSingleInstance::Role;

namespace {

// A later start on a thread of its own, while this thread's event loop lets the first
// answer.
Role LaterStart(const std::string& message) {
    std::atomic<bool> over{false};
    Role role = Role::First;
    std::thread later([&] {
        QtSingleInstance instance;
        role = instance.Claim(message);
        over = true;
    });
    (void)QTest::qWaitFor([&] { return over.load(); }, 10000); // the join below waits for the rest
    later.join();
    return role;
}

} // namespace

class SingleInstanceTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QVERIFY(runtime_.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime_.path()));
        qputenv("DISPLAY", ":7.0");
    }

    void theLockAndSocketAreTheSessionsAndTheDisplays() {
        QCOMPARE(QtSingleInstance::BaseName(), runtime_.path() + QStringLiteral("/lumio-_7.0"));
        qputenv("DISPLAY", "host/x:1");
        QCOMPARE(QtSingleInstance::BaseName(), runtime_.path() + QStringLiteral("/lumio-host_x_1"));
        qunsetenv("DISPLAY");
        qputenv("WAYLAND_DISPLAY", "wayland-0");
        QCOMPARE(QtSingleInstance::BaseName(),
                 runtime_.path() + QStringLiteral("/lumio-wayland-0"));
        qunsetenv("WAYLAND_DISPLAY");
        // No runtime folder of the user's: no single strip, rather than a socket others
        // could set up first.
        for (const char* folder : {"", "relative/run", "/no/such/folder"}) {
            qputenv("XDG_RUNTIME_DIR", folder);
            QCOMPARE(QtSingleInstance::BaseName(), QString());
            QtSingleInstance alone;
            QCOMPARE(alone.Claim(EncodeSecondStart(u"")), Role::Alone);
        }
    }

    void aLaterStartHandsItsMessageOver() {
        QtSingleInstance first;
        std::vector<std::string> received;
        first.onMessage = [&](const std::string& m) { received.push_back(m); };
        QCOMPARE(first.Claim(EncodeSecondStart(u"")), Role::First);

        const std::string messages[] = {
            EncodeSecondStart(PathFromNative("/books/\xC4\xE3\xBA\xC3.txt")),
            EncodeSecondStart(u""),
            EncodeSecondStart(std::u16string(20000, u'a')), // more than one read's worth
        };
        for (const std::string& message : messages) {
            QCOMPARE(LaterStart(message), Role::HandedOver);
        }
        QTRY_COMPARE(received.size(), std::size_t{3});
        for (std::size_t i = 0; i < 3; ++i) {
            QVERIFY(received[i] == messages[i]);
        }
    }

    void whatIsNotAMessageIsRefused() {
        QtSingleInstance first;
        int received = 0;
        first.onMessage = [&](const std::string&) { ++received; };
        QCOMPARE(first.Claim(EncodeSecondStart(u"")), Role::First);
        const QString socketPath = QtSingleInstance::BaseName() + QStringLiteral(".socket");
        // Not ours, and a header that promises more than any path.
        QByteArray tooLong = QByteArray::fromStdString(EncodeSecondStart(u""));
        tooLong[9] = '\x80';
        for (const QByteArray& bytes :
             {QByteArray("GET / HTTP/1.0\r\n\r\nmore and more"), tooLong}) {
            QLocalSocket socket;
            socket.connectToServer(socketPath);
            QVERIFY(socket.waitForConnected(2000));
            socket.write(bytes);
            socket.flush();
            QTRY_COMPARE(socket.state(), QLocalSocket::UnconnectedState);
            QCOMPARE(socket.bytesAvailable(), 0); // no "taken"
        }
        QTest::qWait(100);
        QCOMPARE(received, 0);
    }

    void aSocketLeftByAStripThatWentIsNoObstacle() {
        const QString socketPath = QtSingleInstance::BaseName() + QStringLiteral(".socket");
        QFile stale(socketPath);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        {
            QtSingleInstance first;
            QCOMPARE(first.Claim(EncodeSecondStart(u"")), Role::First);
            QCOMPARE(LaterStart(EncodeSecondStart(u"")), Role::HandedOver);
        }
        // The first has gone, and with it its lock: the next start is first itself.
        QtSingleInstance next;
        QCOMPARE(next.Claim(EncodeSecondStart(u"")), Role::First);
    }

private:
    QTemporaryDir runtime_;
};

QTEST_MAIN(SingleInstanceTest)
#include "single_instance_test.moc"
