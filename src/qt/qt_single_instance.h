#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <string>

class QLocalServer;

namespace lumio {

// One strip per user session and display. The first start holds a lock in the user's
// runtime folder ($XDG_RUNTIME_DIR) and listens on a local socket beside it; a later
// start finds the lock held and hands its message over the socket instead of opening a
// strip of its own. The messages are bytes; what they mean is the reader's business.
class QtSingleInstance {
public:
    enum class Role {
        First,      // this process runs the strip and takes the later starts' messages
        HandedOver, // the running strip took the message: this process has done its part
        Alone,      // no runtime folder, or no socket there: the program runs on its own
    };

    QtSingleInstance();
    ~QtSingleInstance();
    QtSingleInstance(const QtSingleInstance&) = delete;
    QtSingleInstance& operator=(const QtSingleInstance&) = delete;

    // The lock and socket of this session and display, without their endings:
    // "$XDG_RUNTIME_DIR/lumio-DISPLAY"; empty when the session has no runtime folder.
    static QString BaseName();

    // Takes the running strip's place, or hands `message` to the process that has it.
    // Needs the application object (the socket lives in its event loop).
    Role Claim(const std::string& message);

    // Runs on the GUI thread, from the event loop, for each whole message a later start
    // hands over (after that start has been told it was taken).
    std::function<void(const std::string&)> onMessage;

private:
    bool TryLock(const QString& base);
    bool Listen(const QString& base);
    void Accept();

    int lockFd_ = -1;
    std::unique_ptr<QLocalServer> server_;
};

} // namespace lumio
