#pragma once

#include "win32/win_api.h"

#include <deque>
#include <functional>
#include <string>

namespace lumio {

// One strip per user session. The first start owns a named mutex of the session and a
// message-only window that takes the later starts' messages (WM_COPYDATA); a later
// start finds the mutex owned and sends its message to that window instead of opening a
// strip of its own. The messages are bytes; what they mean is the reader's business.
class WinSingleInstance {
public:
    enum class Role {
        First,      // this process runs the strip and takes the later starts' messages
        HandedOver, // the running strip took the message: this process has done its part
        Alone,      // no mutex or no window for the messages: the program runs on its own
    };

    explicit WinSingleInstance(HINSTANCE instance) : instance_(instance) {}
    ~WinSingleInstance();
    WinSingleInstance(const WinSingleInstance&) = delete;
    WinSingleInstance& operator=(const WinSingleInstance&) = delete;

    // Takes the running strip's place, or hands `message` to the process that has it.
    Role Claim(const std::string& message);

    // Runs from the message loop for each message a later start hands over (after that
    // start has been told it was taken).
    std::function<void(const std::string&)> onMessage;

private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool Listen();
    LRESULT Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE instance_;
    HANDLE mutex_ = nullptr;
    bool owner_ = false;
    HWND receiver_ = nullptr;
    std::deque<std::string> pending_;
};

} // namespace lumio
