#pragma once

#include "platform/key_names.h"

#include <functional>
#include <string_view>

namespace lumio {

enum class HotKeyResult {
    Registered,  // the key now reaches the program from anywhere on the desktop
    Taken,       // another program holds the key
    Unsupported, // this desktop has no keys for the whole desktop (no X11, say)
    Failed,      // the system refused what the key needs (a thread, say)
};

// A key that reaches the program whatever window has the focus: a passive grab on the
// X11 root window, RegisterHotKey on Windows.
class HotKeyService {
public:
    virtual ~HotKeyService() = default;
    // Asks for `key`, replacing the key asked for before. `pressed` runs on the GUI
    // thread once for each press of the key, not for the presses the keyboard repeats
    // while it is held.
    virtual HotKeyResult Register(const HotKey& key, std::function<void()> pressed) = 0;
    // Gives the key back; nothing happens when none is held.
    virtual void Unregister() = 0;
};

// A message that does not wait for the user: the program runs on beside it.
class Notice {
public:
    virtual ~Notice() = default;
    virtual void Tell(std::u16string_view text, std::u16string_view title) = 0;
};

} // namespace lumio
