#pragma once

#include "win32/win_api.h"

#include <functional>
#include <string>

namespace lumio {

// The key for the whole desktop as RegisterHotKey on one window of the program; the
// window's procedure hands WM_HOTKEY to Pressed. The keyboard's repeats of a held key
// are left out by the system (MOD_NOREPEAT).
class WinHotKeys final : public HotKeyService {
public:
    explicit WinHotKeys(HWND window) : window_(window) {}
    ~WinHotKeys() override { Unregister(); }
    WinHotKeys(const WinHotKeys&) = delete;
    WinHotKeys& operator=(const WinHotKeys&) = delete;

    HotKeyResult Register(const HotKey& key, std::function<void()> pressed) override;
    void Unregister() override;
    // A WM_HOTKEY message's wParam; true when it was this key.
    bool Pressed(WPARAM id);

private:
    static constexpr int kId = 1;
    HWND window_ = nullptr;
    bool held_ = false;
    std::function<void()> pressed_;
};

// A message box that does not hold the program up: it runs on a thread of its own. When
// no thread can start, the box is shown on the caller's thread; the program's windows
// are served by the box's own message loop until the user closes it.
class WinNotice final : public Notice {
public:
    using Job = std::function<void()>;
    // How the box gets its thread (std::thread, detached), and the box itself; tests
    // give their own.
    using Starter = std::function<void(Job)>;
    using Box = std::function<void(const std::wstring& text, const std::wstring& title)>;

    explicit WinNotice(Starter start = StartThread, Box box = ShowBox)
        : start_(std::move(start)), box_(std::move(box)) {}

    void Tell(std::u16string_view text, std::u16string_view title) override;

    static void StartThread(Job job);
    static void ShowBox(const std::wstring& text, const std::wstring& title);

private:
    Starter start_;
    Box box_;
};

} // namespace lumio
