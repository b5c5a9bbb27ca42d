#include "win32/win_hot_keys.h"

#include "win32/wide.h"

#include <system_error>
#include <thread>

namespace lumio {

HotKeyResult WinHotKeys::Register(const HotKey& key, std::function<void()> pressed) {
    Unregister();
    const UINT modifiers = key.modifiers | MOD_NOREPEAT;
    if (!::RegisterHotKey(window_, kId, modifiers, key.virtualKey)) {
        return ::GetLastError() == ERROR_HOTKEY_ALREADY_REGISTERED ? HotKeyResult::Taken
                                                                   : HotKeyResult::Unsupported;
    }
    held_ = true;
    pressed_ = std::move(pressed);
    return HotKeyResult::Registered;
}

void WinHotKeys::Unregister() {
    if (held_) {
        ::UnregisterHotKey(window_, kId);
        held_ = false;
    }
    pressed_ = nullptr;
}

bool WinHotKeys::Pressed(WPARAM id) {
    if (!held_ || id != kId) {
        return false;
    }
    if (pressed_) {
        pressed_();
    }
    return true;
}

void WinNotice::StartThread(Job job) {
    std::thread(std::move(job)).detach();
}

void WinNotice::ShowBox(const std::wstring& text, const std::wstring& title) {
    ::MessageBoxW(nullptr, text.c_str(), title.c_str(),
                  MB_OK | MB_ICONINFORMATION | MB_TOPMOST | MB_SETFOREGROUND);
}

void WinNotice::Tell(std::u16string_view text, std::u16string_view title) {
    Job show = [box = box_, text = WideCopy(text), title = WideCopy(title)] { box(text, title); };
    try {
        start_(show);
    } catch (const std::system_error&) {
        show();
    }
}

} // namespace lumio
