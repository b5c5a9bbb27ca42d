#pragma once

#include "platform/messages.h"

namespace lumio {

// What a control offers its message hook: the one entry every thunk calls, for each
// watched message, before and/or after the window's previous procedure.
class SubclassCallback {
public:
    virtual ~SubclassCallback() = default;

    // bBefore: called before the previous procedure. bHandled: a before-call that sets it
    // stops the message there (neither the previous procedure nor the after-call runs)
    // and lReturn goes back to the sender. lReturn: in an after-call, what the previous
    // procedure returned; may be changed. The message itself may be changed in a
    // before-call, and the previous procedure then receives the changed values.
    virtual void zSubclass_Proc(bool bBefore, bool& bHandled, MessageResult& lReturn,
                                WindowHandle& lng_hWnd, MessageNumber& uMsg, WParam& wParam,
                                LParam& lParam) = 0;
};

} // namespace lumio
