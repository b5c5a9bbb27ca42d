#include "qt/qt_single_instance.h"

#include "reader/second_start.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/file.h>
#include <unistd.h>

namespace lumio {

namespace {

// The byte the running strip answers with once it has a whole message.
constexpr char kTaken = '\x01';
// How long a later start keeps trying while the first is still starting or ending.
constexpr int kClaimMs = 5000;
constexpr int kStepMs = 100;
// A connection that has not delivered its message by then is dropped.
constexpr int kSenderMs = 10000;

// The display as a file-name part: a strip on one display is no use to a start on
// another.
QString DisplayPart() {
    QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty()) {
        display = qEnvironmentVariable("WAYLAND_DISPLAY");
    }
    if (display.isEmpty()) {
        return QStringLiteral("default");
    }
    for (QChar& c : display) {
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != u'.' && c != u'-') {
            c = u'_';
        }
    }
    return display;
}

bool HandOver(const QString& socketPath, const std::string& message) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(kStepMs * 10)) {
        return false;
    }
    socket.write(message.data(), static_cast<qint64>(message.size()));
    while (socket.bytesToWrite() > 0) {
        if (!socket.waitForBytesWritten(kClaimMs)) {
            return false;
        }
    }
    char answer = 0;
    return socket.waitForReadyRead(kClaimMs) && socket.getChar(&answer) && answer == kTaken;
}

} // namespace

QtSingleInstance::QtSingleInstance() : server_(std::make_unique<QLocalServer>()) {}

QtSingleInstance::~QtSingleInstance() {
    server_->close();
    if (lockFd_ >= 0) {
        ::close(lockFd_); // gives the lock up
    }
}

QString QtSingleInstance::BaseName() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    // The folder is the user's own (mode 0700); anywhere else another user could set
    // the socket up first and be handed the user's documents.
    if (runtime.isEmpty() || !QDir::isAbsolutePath(runtime) || !QDir(runtime).exists()) {
        return {};
    }
    return runtime + QStringLiteral("/lumio-") + DisplayPart();
}

QtSingleInstance::Role QtSingleInstance::Claim(const std::string& message) {
    const QString base = BaseName();
    if (base.isEmpty()) {
        return Role::Alone;
    }
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (TryLock(base)) {
            return Listen(base) ? Role::First : Role::Alone;
        }
        // Held: the running strip may still be setting its socket up, or be ending.
        if (HandOver(base + QStringLiteral(".socket"), message)) {
            return Role::HandedOver;
        }
        if (clock.elapsed() > kClaimMs) {
            std::fprintf(stderr, "lumio: the running strip does not answer; opening another\n");
            return Role::Alone;
        }
        QThread::msleep(kStepMs);
    }
}

bool QtSingleInstance::TryLock(const QString& base) {
    const QByteArray path = QFile::encodeName(base + QStringLiteral(".lock"));
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return false;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    lockFd_ = fd; // held until the process ends, however it ends
    return true;
}

bool QtSingleInstance::Listen(const QString& base) {
    const QString socketPath = base + QStringLiteral(".socket");
    // We hold the lock, so a socket there is left over from a strip that has gone.
    QLocalServer::removeServer(socketPath);
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketPath)) {
        std::fprintf(stderr, "lumio: cannot listen on %s: %s\n", qPrintable(socketPath),
                     qPrintable(server_->errorString()));
        return false;
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                     [this] { Accept(); });
    return true;
}

void QtSingleInstance::Accept() {
    while (QLocalSocket* socket = server_->nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QTimer::singleShot(kSenderMs, socket, [socket] { socket->abort(); });
        auto buffer = std::make_shared<std::string>();
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket, buffer] {
            const QByteArray bytes = socket->readAll();
            buffer->append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
            if (buffer->size() < kSecondStartHeaderSize) {
                return;
            }
            const std::optional<std::size_t> size = SecondStartSize(*buffer);
            if (!size || buffer->size() > *size) {
                socket->abort(); // not one message of ours
                return;
            }
            if (buffer->size() < *size) {
                return;
            }
            socket->putChar(kTaken);
            socket->flush();
            socket->disconnectFromServer();
            // After this handler: what the message does may open a modal box, which must
            // not hold the start that sent it.
            QTimer::singleShot(0, server_.get(), [this, message = std::move(*buffer)] {
                if (onMessage) {
                    onMessage(message);
                }
            });
            buffer->clear();
        });
    }
}

} // namespace lumio
