#include "live.h"
#include "live_line.h"

#include <algorithm>
#include <chrono>
#include <conio.h>
#include <cstdio>
#include <io.h>
#include <string>
#include <windows.h>

namespace lumio::tty {

namespace {

volatile LONG gStop = 0;

BOOL WINAPI OnConsoleControl(DWORD) {
    ::InterlockedExchange(&gStop, 1);
    return TRUE;
}

void Put(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fflush(stdout);
}

int ConsoleColumns() {
    CONSOLE_SCREEN_BUFFER_INFO info{};
    if (::GetConsoleScreenBufferInfo(::GetStdHandle(STD_OUTPUT_HANDLE), &info)) {
        return info.srWindow.Right - info.srWindow.Left + 1;
    }
    return 80;
}

// Colours and in-place redraws need the console's escape-sequence mode (Windows 10 on);
// the old mode comes back however the program leaves.
class ConsoleMode {
public:
    ConsoleMode() : out_(::GetStdHandle(STD_OUTPUT_HANDLE)) {
        active_ = ::GetConsoleMode(out_, &saved_) &&
                  ::SetConsoleMode(out_, saved_ | ENABLE_VIRTUAL_TERMINAL_PROCESSING);
        if (active_) {
            ::SetConsoleOutputCP(CP_UTF8);
            Put("\x1b[?25l");
        }
    }
    ~ConsoleMode() {
        if (active_) {
            Put("\r\x1b[K\x1b[?25h\n");
            ::SetConsoleMode(out_, saved_);
        }
    }
    ConsoleMode(const ConsoleMode&) = delete;
    ConsoleMode& operator=(const ConsoleMode&) = delete;
    bool Active() const { return active_; }

private:
    HANDLE out_;
    DWORD saved_ = 0;
    bool active_ = false;
};

int MillisecondsUntil(TtyTimer::Clock::time_point due) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(due - TtyTimer::Clock::now());
    return static_cast<int>(std::clamp<std::int64_t>(left.count(), 0, 50));
}

} // namespace

int RunLive(const LiveControls& live) {
    ::SetConsoleCtrlHandler(OnConsoleControl, TRUE);
    const bool interactive = _isatty(_fileno(stdin)) && _isatty(_fileno(stdout));
    ConsoleMode mode;
    const bool colour = interactive && mode.Active();
    const int columns = colour ? ConsoleColumns() : 80;
    for (;;) {
        if (gStop != 0) {
            return 130;
        }
        if (!interactive && !live.timer.Enabled()) {
            return 0; // nobody to press a key: reading has stopped for good
        }
        if (interactive && _kbhit()) {
            if (HandleKey(static_cast<char>(_getch()), live) == KeyResult::Quit) {
                return 0;
            }
            Put(RenderLine(live.viewer, columns, colour));
            continue;
        }
        if (live.timer.Enabled() && TtyTimer::Clock::now() >= live.timer.Due()) {
            live.window.trm1_Timer();
            live.timer.Rearm();
            Put(RenderLine(live.viewer, columns, colour));
            continue;
        }
        // Short naps keep the keys responsive without a busy loop.
        ::Sleep(live.timer.Enabled() ? static_cast<DWORD>(MillisecondsUntil(live.timer.Due()))
                                     : 20);
    }
}

} // namespace lumio::tty
