#pragma once

#include "platform/key_names.h"
#include "reader/hot_key_service.h"
#include "reader/window_services.h"

#include <functional>
#include <optional>
#include <string>

namespace lumio {

struct BossKeyParts {
    FormWindow& form;
    // Whether the strip is shown, or asked to be shown and about to be.
    std::function<bool()> shown;
    HotKeyService& hotKeys;
    Notice& notice;
};

// The boss key: pressed anywhere, it hides the strip at once, as the tray's right click
// does; pressed again, it shows it with its pin state as it was, as the tray's left click
// does. Reading goes on either way.
class BossKey {
public:
    static constexpr HotKey kDefault{MOD_CONTROL | MOD_ALT, 'H'};

    explicit BossKey(const BossKeyParts& parts);
    ~BossKey();
    BossKey(const BossKey&) = delete;
    BossKey& operator=(const BossKey&) = delete;

    // Takes `key` (none: no boss key at all, answered as Unsupported). A key another
    // program holds, or one the system cannot give (Failed), is said once, and the
    // program goes on without it.
    HotKeyResult Start(std::optional<HotKey> key);
    // Gives the key back (at exit).
    void Stop();
    // One press of the key.
    void Pressed();

    bool active() const { return active_; }

    // What the user is told when the key is taken.
    static std::u16string TakenText(const HotKey& key);
    // ... and when the system cannot give it.
    static std::u16string FailedText(const HotKey& key);
    // The line for the console after Start answered `result` for `key`; "" for none.
    static std::string ConsoleText(HotKeyResult result, const std::optional<HotKey>& key);

private:
    BossKeyParts parts_;
    bool active_ = false;
};

// Shows or hides the strip as the tray's clicks do: the pin state stays as it is, and a
// window that fails to show or hide is not reported. Answers whether it went through.
bool ShowOrHideStrip(FormWindow& form, bool show);

} // namespace lumio
