#include "live.h"
#include "live_line.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <poll.h>
#include <string>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace lumio::tty {

namespace {

volatile std::sig_atomic_t gStopSignal = 0;
volatile std::sig_atomic_t gResized = 0;

extern "C" void OnStopSignal(int signal) {
    gStopSignal = signal;
}

extern "C" void OnResize(int) {
    gResized = 1;
}

void Catch(int signal, void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0; // no SA_RESTART: poll must wake up
    sigaction(signal, &action, nullptr);
}

// Puts the terminal into key-at-a-time mode for the life of the object and restores
// it however the program leaves (q, Ctrl-C, an error unwinding through here).
class TerminalMode {
public:
    explicit TerminalMode(bool active) : active_(active && tcgetattr(STDIN_FILENO, &saved_) == 0) {
        if (!active_) {
            return;
        }
        termios raw = saved_;
        raw.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
        raw.c_cc[VMIN] = 1;
        raw.c_cc[VTIME] = 0;
        tcsetattr(STDIN_FILENO, TCSANOW, &raw);
        Put("\x1b[?25l"); // hide the cursor while the line moves
    }
    ~TerminalMode() {
        if (active_) {
            Put("\r\x1b[K\x1b[?25h");
            tcsetattr(STDIN_FILENO, TCSANOW, &saved_);
        }
    }
    TerminalMode(const TerminalMode&) = delete;
    TerminalMode& operator=(const TerminalMode&) = delete;

    static void Put(const std::string& text) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
    }

private:
    bool active_;
    termios saved_{};
};

int TerminalColumns() {
    winsize size{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) == 0 && size.ws_col > 0) {
        return size.ws_col;
    }
    return 80;
}

int MillisecondsUntil(TtyTimer::Clock::time_point due) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(due - TtyTimer::Clock::now());
    return static_cast<int>(std::clamp<std::int64_t>(left.count(), 0, 1'000'000));
}

int Play(const LiveControls& live, bool interactive, bool colour) {
    TerminalMode mode(interactive);
    int columns = TerminalColumns();

    for (;;) {
        if (gStopSignal != 0) {
            return 128 + gStopSignal;
        }
        if (!interactive && !live.timer.Enabled()) {
            return 0; // nobody to press a key: reading has stopped for good
        }
        pollfd keys{STDIN_FILENO, POLLIN, 0};
        const int timeout = live.timer.Enabled() ? MillisecondsUntil(live.timer.Due()) : -1;
        const int ready = poll(&keys, interactive ? 1 : 0, timeout);
        if (ready < 0 && errno != EINTR) {
            return 1;
        }
        if (gResized != 0) {
            gResized = 0;
            columns = TerminalColumns();
        }
        if (ready > 0 && (keys.revents & (POLLIN | POLLHUP)) != 0) {
            char buffer[64];
            const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer);
            if (n <= 0) {
                return 0; // the terminal went away
            }
            for (ssize_t i = 0; i < n; ++i) {
                if (HandleKey(buffer[i], live) == KeyResult::Quit) {
                    return 0;
                }
            }
            TerminalMode::Put(RenderLine(live.viewer, columns, colour));
        }
        if (live.timer.Enabled() && TtyTimer::Clock::now() >= live.timer.Due()) {
            live.window.trm1_Timer();
            live.timer.Rearm();
            TerminalMode::Put(RenderLine(live.viewer, columns, colour));
        }
    }
}

} // namespace

int RunLive(const LiveControls& live) {
    const bool interactive = isatty(STDIN_FILENO) && isatty(STDOUT_FILENO);
    const bool colour = isatty(STDOUT_FILENO);
    Catch(SIGINT, OnStopSignal);
    Catch(SIGTERM, OnStopSignal);
    Catch(SIGHUP, OnStopSignal);
    Catch(SIGWINCH, OnResize);
    const int status = Play(live, interactive, colour);
    if (colour && !interactive) {
        TerminalMode::Put("\n"); // leave the last view on screen
    }
    return status;
}

} // namespace lumio::tty
