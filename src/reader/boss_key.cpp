#include "reader/boss_key.h"

#include "reader/main_msg_window.h"

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
    const HotKeyResult result = parts_.hotKeys.Register(*key, [this] { Pressed(); });
    active_ = result == HotKeyResult::Registered;
    if (result == HotKeyResult::Taken) {
        parts_.notice.Tell(TakenText(*key), MainMsgWindow::kBalloonTitle);
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

} // namespace lumio
