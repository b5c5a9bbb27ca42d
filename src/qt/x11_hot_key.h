#pragma once

#include "platform/key_repeat.h"
#include "reader/hot_key_service.h"

#include <QAbstractNativeEventFilter>
#include <cstdint>
#include <functional>
#include <vector>

namespace lumio {

// Keys for the whole X11 desktop: a passive grab of the key on the root window, with
// each Caps Lock and Num Lock state, on the connection Qt uses; the presses are picked
// out of Qt's native events. Off X11 every key is Unsupported.
class X11HotKeys : public HotKeyService, public QAbstractNativeEventFilter {
public:
    X11HotKeys();
    ~X11HotKeys() override;
    X11HotKeys(const X11HotKeys&) = delete;
    X11HotKeys& operator=(const X11HotKeys&) = delete;

    HotKeyResult Register(const HotKey& key, std::function<void()> pressed) override;
    void Unregister() override;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void Ungrab();

    std::vector<std::uint8_t> keycodes_; // every key that makes the keysym
    std::uint16_t modifiers_ = 0;        // core modifier mask
    std::uint16_t numLock_ = 0;
    std::uint32_t root_ = 0;
    std::function<void()> pressed_;
    KeyRepeatFilter repeat_;
    bool filtering_ = false;
};

} // namespace lumio
