#include "qt/x11_hot_key.h"

#include "platform/x11_key_map.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <algorithm>

#ifdef LUMIO_X11
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>
#endif

namespace lumio {

#ifdef LUMIO_X11

namespace {

constexpr std::uint32_t kNumLockKeysym = 0xFF7F;
constexpr std::uint8_t kBadAccess = 10;

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_connection_t* Connection() {
    auto* native =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return native ? native->connection() : nullptr;
}

// The keyboard mapping: for each keycode from the first, its keysyms.
struct KeyboardMap {
    std::uint8_t first = 0;
    int perKeycode = 0;
    std::vector<xcb_keysym_t> keysyms;

    // The keycodes whose first two levels (plain and shifted) give `keysym`.
    std::vector<std::uint8_t> KeycodesOf(std::uint32_t keysym) const {
        std::vector<std::uint8_t> codes;
        const int levels = std::min(perKeycode, 2);
        for (std::size_t i = 0; perKeycode > 0 && i < keysyms.size() / perKeycode; ++i) {
            for (int level = 0; level < levels; ++level) {
                if (keysyms[i * perKeycode + level] == keysym) {
                    codes.push_back(static_cast<std::uint8_t>(first + i));
                    break;
                }
            }
        }
        return codes;
    }
};

KeyboardMap ReadKeyboardMap(xcb_connection_t* c) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    KeyboardMap map;
    map.first = setup->min_keycode;
    const auto count = static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1);
    Reply<xcb_get_keyboard_mapping_reply_t> reply(
        xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, map.first, count), nullptr),
        &std::free);
    if (reply) {
        map.perKeycode = reply->keysyms_per_keycode;
        const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply.get());
        map.keysyms.assign(syms, syms + xcb_get_keyboard_mapping_keysyms_length(reply.get()));
    }
    return map;
}

// The modifier bit Num Lock sets on this keymap.
std::uint16_t NumLockMask(xcb_connection_t* c, const KeyboardMap& map) {
    const std::vector<std::uint8_t> numLock = map.KeycodesOf(kNumLockKeysym);
    Reply<xcb_get_modifier_mapping_reply_t> reply(
        xcb_get_modifier_mapping_reply(c, xcb_get_modifier_mapping(c), nullptr), &std::free);
    if (!reply || numLock.empty()) {
        return kX11DefaultNumLockMask;
    }
    const xcb_keycode_t* codes = xcb_get_modifier_mapping_keycodes(reply.get());
    const int perModifier = reply->keycodes_per_modifier;
    for (int modifier = 0; modifier < 8; ++modifier) {
        for (int i = 0; i < perModifier; ++i) {
            if (std::find(numLock.begin(), numLock.end(), codes[modifier * perModifier + i]) !=
                numLock.end()) {
                return static_cast<std::uint16_t>(1u << modifier);
            }
        }
    }
    return kX11DefaultNumLockMask;
}

} // namespace

X11HotKeys::X11HotKeys() = default;

X11HotKeys::~X11HotKeys() {
    Unregister();
}

HotKeyResult X11HotKeys::Register(const HotKey& key, std::function<void()> pressed) {
    Unregister();
    xcb_connection_t* c = Connection();
    const std::uint32_t keysym = X11KeysymFor(key.virtualKey);
    if (!c || keysym == 0) {
        return HotKeyResult::Unsupported;
    }
    const KeyboardMap map = ReadKeyboardMap(c);
    keycodes_ = map.KeycodesOf(keysym);
    if (keycodes_.empty()) {
        return HotKeyResult::Unsupported; // no such key on this keyboard
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    modifiers_ = X11ModifierMask(key.modifiers);
    numLock_ = NumLockMask(c, map);

    // All requests first, then their answers: one round trip for the lot.
    std::vector<xcb_void_cookie_t> cookies;
    for (std::uint8_t code : keycodes_) {
        for (std::uint16_t lock : X11LockVariantsFor(numLock_).masks) {
            // Not owner events: the press comes to us on the root window even when one of
            // our own windows has the focus.
            cookies.push_back(xcb_grab_key_checked(c, 0, root_,
                                                   static_cast<std::uint16_t>(modifiers_ | lock),
                                                   code, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC));
        }
    }
    HotKeyResult result = HotKeyResult::Registered;
    for (xcb_void_cookie_t cookie : cookies) {
        Reply<xcb_generic_error_t> error(xcb_request_check(c, cookie), &std::free);
        if (error && result == HotKeyResult::Registered) {
            result =
                error->error_code == kBadAccess ? HotKeyResult::Taken : HotKeyResult::Unsupported;
        }
    }
    if (result != HotKeyResult::Registered) {
        Ungrab(); // the variants we did get, so none is left half-held
        keycodes_.clear();
        return result;
    }
    pressed_ = std::move(pressed);
    repeat_ = KeyRepeatFilter();
    QCoreApplication::instance()->installNativeEventFilter(this);
    filtering_ = true;
    return result;
}

void X11HotKeys::Ungrab() {
    xcb_connection_t* c = Connection();
    if (!c) {
        return;
    }
    // Ungrabbing a combination another client holds leaves that grab alone.
    for (std::uint8_t code : keycodes_) {
        for (std::uint16_t lock : X11LockVariantsFor(numLock_).masks) {
            xcb_ungrab_key(c, code, root_, static_cast<std::uint16_t>(modifiers_ | lock));
        }
    }
    xcb_flush(c);
}

void X11HotKeys::Unregister() {
    if (filtering_) {
        filtering_ = false;
        if (QCoreApplication* app = QCoreApplication::instance()) {
            app->removeNativeEventFilter(this);
        }
    }
    if (!keycodes_.empty()) {
        Ungrab();
        keycodes_.clear();
    }
    pressed_ = nullptr;
}

bool X11HotKeys::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t" || keycodes_.empty()) {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const std::uint8_t type = event->response_type & 0x7F;
    if (type != XCB_KEY_PRESS && type != XCB_KEY_RELEASE) {
        return false;
    }
    // Press and release share one layout.
    const auto* key = reinterpret_cast<const xcb_key_press_event_t*>(event);
    if (key->event != root_ ||
        std::find(keycodes_.begin(), keycodes_.end(), key->detail) == keycodes_.end()) {
        return false;
    }
    if (type == XCB_KEY_RELEASE) {
        // The modifiers may already be up: the key alone says it is released.
        repeat_.Release(key->time);
        return true;
    }
    if (!X11StateMatches(key->state, modifiers_, numLock_)) {
        return false;
    }
    if (repeat_.Press(key->time) && pressed_) {
        pressed_();
    }
    return true;
}

#else

X11HotKeys::X11HotKeys() = default;
X11HotKeys::~X11HotKeys() = default;

HotKeyResult X11HotKeys::Register(const HotKey&, std::function<void()>) {
    return HotKeyResult::Unsupported;
}

void X11HotKeys::Unregister() {}

void X11HotKeys::Ungrab() {}

bool X11HotKeys::nativeEventFilter(const QByteArray&, void*, qintptr*) {
    return false;
}

#endif

} // namespace lumio
