#include "reader/boss_key.h"

#include "reader/main_msg_window.h"

#include <system_error>

namespace lumio {

BossKey::BossKey(const BossKeyParts& parts) : parts_(parts) {}

BossKey::~BossKey() {
    Stop();
}

HotKeyResult BossKey::Start(std::optional<HotKey> key) {
    Stop();
    if (!key) {
        return HotKeyResult::Unsupported;
    }
    HotKeyResult result = HotKeyResult::Failed;
    try {
        result = parts_.hotKeys.Register(*key, [this] { Pressed(); });
    } catch (const std::system_error&) {
        // A thread the key needed could not start: nothing may stay half-held.
        parts_.hotKeys.Unregister();
    }
    active_ = result == HotKeyResult::Registered;
    if (result == HotKeyResult::Taken || result == HotKeyResult::Failed) {
        try {
            parts_.notice.Tell(result == HotKeyResult::Taken ? TakenText(*key) : FailedText(*key),
                               MainMsgWindow::kBalloonTitle);
        } catch (const std::system_error&) {
            // The console line is all the user gets then.
        }
    }
    return result;
}

void BossKey::Stop() {
    if (active_) {
        active_ = false;
        parts_.hotKeys.Unregister();
    }
}

void BossKey::Pressed() {
    ShowOrHideStrip(parts_.form, !parts_.shown());
}

bool ShowOrHideStrip(FormWindow& form, bool show) {
    try {
        if (show) {
            form.Show();
        } else {
            form.Hide();
        }
        return true;
    } catch (...) {
        return false;
    }
}

std::u16string BossKey::TakenText(const HotKey& key) {
    const std::string name = HotKeyName(key); // ASCII only
    return u"老板键 " + std::u16string(name.begin(), name.end()) +
           u" 已被其他程序占用，本次运行不使用老板键。";
}

std::u16string BossKey::FailedText(const HotKey& key) {
    const std::string name = HotKeyName(key);
    return u"老板键 " + std::u16string(name.begin(), name.end()) +
           u" 无法启用，本次运行不使用老板键。";
}

std::string BossKey::ConsoleText(HotKeyResult result, const std::optional<HotKey>& key) {
    if (!key || (result != HotKeyResult::Taken && result != HotKeyResult::Failed)) {
        return {};
    }
    const char* why = result == HotKeyResult::Taken ? " is held by another program"
                                                    : " could not be set up on this system";
    return "lumio: the boss key " + HotKeyName(*key) + why + "; running without it\n";
}

} // namespace lumio
