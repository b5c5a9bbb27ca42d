#pragma once

#include "fake_controls.h"
#include "platform/key_names.h"
#include "platform/utf.h"
#include "reader/boss_key.h"
#include "reader/hot_key_service.h"
#include "reader/main_msg_window.h"

#include <functional>
#include <string>
#include <system_error>

namespace lumio::testing {

// The desktop's hot keys: answers what the test says, logs every call, and presses the
// registered key on request.
class RecordingHotKeys : public HotKeyService {
public:
    explicit RecordingHotKeys(CallLog& log) : log_(log) {}
    HotKeyResult Register(const HotKey& key, std::function<void()> pressed) override {
        log_.Add("Register(" + HotKeyName(key) + ")");
        if (threadFails) {
            throw std::system_error(
                std::make_error_code(std::errc::resource_unavailable_try_again));
        }
        if (answer == HotKeyResult::Registered) {
            pressed_ = std::move(pressed);
        }
        return answer;
    }
    void Unregister() override {
        log_.Add("Unregister");
        pressed_ = nullptr;
    }
    bool Press() {
        if (!pressed_) {
            return false;
        }
        pressed_();
        return true;
    }

    HotKeyResult answer = HotKeyResult::Registered;
    bool threadFails = false; // as std::thread does when no thread can start

private:
    CallLog& log_;
    std::function<void()> pressed_;
};

class RecordingNotice : public Notice {
public:
    explicit RecordingNotice(CallLog& log) : log_(log) {}
    void Tell(std::u16string_view text, std::u16string_view title) override {
        log_.Add("Notice(" + ToUtf8(title) + "," + ToUtf8(text) + ")");
        if (threadFails) {
            throw std::system_error(
                std::make_error_code(std::errc::resource_unavailable_try_again));
        }
    }

    bool threadFails = false;

private:
    CallLog& log_;
};

class Pin : public CaptionedButton {
public:
    std::u16string Caption() const override { return caption; }
    void SetCaption(std::u16string c) override { caption = std::move(c); }
    void SetToolTipText(std::u16string) override {}
    std::u16string caption = u"5";
};

class NoDrops : public DropTarget {
public:
    void SetOLEDropMode(std::int32_t) override {}
};
class NoSlider : public SliderSetter {
public:
    void SetValue(std::int32_t) override {}
};
class NoTray : public NotifyArea {
public:
    bool Shell_NotifyIcon(std::int32_t, const TrayIconData&) override { return true; }
};
class NoShell : public Shell {
public:
    void ShellExecute(WindowHandle, std::u16string_view, std::u16string_view, std::u16string_view,
                      std::u16string_view, std::int32_t) override {}
};

// The strip with its window side and the boss key, as a test meets them: `Form` is the
// recording top-level window (or one derived from it).
template <typename Form>
struct StripWithBossKey {
    CallLog log;
    Form form{log};
    FakeTimer timer{log};
    RecordingHotKeys hotKeys{log};
    RecordingNotice notice{log};
    BossKey bossKey{{form, [this] { return form.visible; }, hotKeys, notice}};

    // The window side, for the tray and the pin as the boss key meets them.
    NoDrops drops;
    NoSlider slider;
    Pin pin;
    NoTray tray;
    NoShell shell;
    MainMsgWindow window{{form, drops, timer, slider, pin, tray, shell, 1, u""}};
};

} // namespace lumio::testing
