#pragma once

#include "button/message_hook.h"
#include "button/subclass_callback.h"
#include "platform/messages.h"
#include "platform/window_registry.h"

#include <functional>
#include <ostream>
#include <vector>

namespace lumio::testing {

// One call of a control's zSubclass_Proc, as the control saw it.
struct HookCall {
    int control = 0;
    bool before = false;
    WindowHandle window = 0;
    MessageNumber message = 0;
    MessageResult result = 0; // lReturn on entry
    friend bool operator==(const HookCall&, const HookCall&) = default;
};

inline std::ostream& operator<<(std::ostream& out, const HookCall& c) {
    return out << "{control " << c.control << (c.before ? ", before" : ", after") << ", window "
               << c.window << ", message " << c.message << ", result " << c.result << "}";
}

// A stand-in for the button: owns a hook, writes every callback to a shared log and
// may act on the call's by-reference arguments.
class RecordingControl final : public SubclassCallback {
public:
    using Action = std::function<void(bool bBefore, bool& bHandled, MessageResult& lReturn,
                                      WindowHandle& lng_hWnd, MessageNumber& uMsg, WParam& wParam,
                                      LParam& lParam)>;

    RecordingControl(WindowRegistry& windows, std::vector<HookCall>& log, int id = 0)
        : hook(windows, *this), log_(log), id_(id) {}

    void zSubclass_Proc(bool bBefore, bool& bHandled, MessageResult& lReturn,
                        WindowHandle& lng_hWnd, MessageNumber& uMsg, WParam& wParam,
                        LParam& lParam) override {
        log_.push_back({id_, bBefore, lng_hWnd, uMsg, lReturn});
        if (action) {
            action(bBefore, bHandled, lReturn, lng_hWnd, uMsg, wParam, lParam);
        }
    }

    MessageHook hook;
    Action action;

private:
    std::vector<HookCall>& log_;
    int id_;
};

} // namespace lumio::testing
