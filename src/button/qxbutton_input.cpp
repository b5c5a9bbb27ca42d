// How a qxbutton reacts to the mouse, the keyboard, the focus and its parent's activation:
// the interaction state mState, the flags behind it, and when Click and the other events
// are raised. The host's notifications arrive through the public handlers; the messages
// the hook watches arrive through zSubclass_Proc.
#include "button/qxbutton.h"

#include <exception>

namespace lumio {

namespace {

constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kAltKey = 4;

constexpr std::int16_t kKeyEnter = 13;
constexpr std::int16_t kKeyEscape = 27;
constexpr std::int16_t kKeySpace = 32;
constexpr std::int16_t kKeyLeft = 37;
constexpr std::int16_t kKeyUp = 38;
constexpr std::int16_t kKeyRight = 39;
constexpr std::int16_t kKeyDown = 40;

// Thrown by RaiseEvent when the event's callback destroyed the control: it unwinds the
// handler without touching the control again.
struct ControlDestroyed {};

// Raises one event. The callback is called through a copy, as it may destroy the control
// and with it the callback object itself.
template <typename Event, typename... Args>
void RaiseEvent(const bool& alive, const Event& event, Args&... args) {
    if (event) {
        const Event callback = event;
        callback(args...);
    }
    if (!alive) {
        throw ControlDestroyed{};
    }
}

} // namespace

template <typename Body>
void QxButton::RunHandler(Body&& body) {
    // The flag outlives the control, should a callback destroy it.
    const std::shared_ptr<bool> alive = alive_;
    try {
        body(*alive);
    } catch (const ControlDestroyed&) {
    } catch (...) {
        if (*alive) {
            host_.HandlerError(std::current_exception());
        }
    }
}

// --- Mouse -------------------------------------------------------------------------------

void QxButton::MouseDown(std::int16_t Button, std::int16_t Shift, float x, float y) {
    RunHandler([&](const bool& alive) { DoMouseDown(alive, Button, Shift, x, y); });
}

void QxButton::DoMouseDown(const bool& alive, std::int16_t Button, std::int16_t Shift, float x,
                           float y) {
    ButtonModel& m = model_;
    m.mLastButton = Button;
    m.mLastShift = Shift;
    m.mLastX = x;
    m.mLastY = y;
    ApplyHandCursor();
    if (Button != kLeftButton) {
        return;
    }
    m.mHasFocus = true;
    m.mLeftDown = true;
    if (m.mMouseOver) {
        m.mState = kStatePressed;
    }
    PaintButton();
    RaiseEvent(alive, events.MouseDown, Button, Shift, x, y);
}

void QxButton::MouseMove(std::int16_t Button, std::int16_t Shift, float x, float y) {
    RunHandler([&](const bool& alive) { DoMouseMove(alive, Button, Shift, x, y); });
}

void QxButton::DoMouseMove(const bool& alive, std::int16_t Button, std::int16_t Shift, float x,
                           float y) {
    ButtonModel& m = model_;
    const WindowHandle own = hWnd();
    if (!PointerIsOver(own)) {
        // The host still routes moves here while the mouse is captured.
        m.mMouseOver = false;
        RaiseEvent(alive, events.MouseLeave);
    }
    TrackMouseLeave(own);
    if (m.mMouseOver) {
        ApplyHandCursor();
        if (m.mLeftDown) {
            m.mState = kStatePressed;
        } else if (!m.mSpaceDown) {
            m.mState = kStateHover;
        }
        PaintButton();
    }
    RaiseEvent(alive, events.MouseMove, Button, Shift, x, y);
}

void QxButton::MouseUp(std::int16_t Button, std::int16_t Shift, float x, float y) {
    RunHandler([&](const bool& alive) { DoMouseUp(alive, Button, Shift, x, y); });
}

void QxButton::DoMouseUp(const bool& alive, std::int16_t Button, std::int16_t Shift, float x,
                         float y) {
    ButtonModel& m = model_;
    ApplyHandCursor();
    if (Button == kLeftButton) {
        m.mLeftDown = false;
        // Released on the edge or outside: no click. mState waits for the next move.
        if (x > 0 && x < host_.ScaleWidth() && y > 0 && y < host_.ScaleHeight()) {
            if (m.CheckBoxMode) {
                m.Value = !m.Value;
            }
            PaintButton();
            RaiseEvent(alive, events.Click);
        }
    }
    RaiseEvent(alive, events.MouseUp, Button, Shift, x, y);
}

void QxButton::DblClick() {
    RunHandler([&](const bool& alive) { DoDblClick(alive); });
}

void QxButton::DoDblClick(const bool& alive) {
    ButtonModel& m = model_;
    ApplyHandCursor();
    if (m.mLastButton != kLeftButton) {
        return;
    }
    host_.Desktop().SetCapture(hWnd());
    m.mState = kStatePressed;
    PaintButton();
    // The second press counts as a press of its own, then as the double click.
    DoMouseDown(alive, m.mLastButton, m.mLastShift, m.mLastX, m.mLastY);
    RaiseEvent(alive, events.DblClick);
}

// --- Keyboard ----------------------------------------------------------------------------

void QxButton::KeyDown(std::int16_t KeyCode, std::int16_t Shift) {
    RunHandler([&](const bool& alive) { DoKeyDown(alive, KeyCode, Shift); });
}

void QxButton::DoKeyDown(const bool& alive, std::int16_t KeyCode, std::int16_t Shift) {
    ButtonModel& m = model_;
    DesktopServices& desktop = host_.Desktop();
    switch (KeyCode) {
    case kKeyEnter:
        RaiseEvent(alive, events.Click);
        break;
    case kKeySpace: {
        if (!m.mLeftDown) {
            if (Shift == kAltKey) {
                return; // Alt+Space belongs to the window menu
            }
            m.mSpaceDown = true;
            if (m.CheckBoxMode) {
                // Painted at the key's release; auto-repeat toggles again.
                m.Value = !m.Value;
            } else if (m.mState != kStatePressed) {
                m.mState = kStatePressed;
                PaintButton();
            }
        }
        // Keep hearing the pointer while the key is held, to know at the release
        // whether it is still over the button.
        const WindowHandle own = hWnd();
        if (desktop.GetCapture() != own) {
            desktop.ReleaseCapture();
            desktop.SetCapture(own);
        }
        break;
    }
    case kKeyLeft:
    case kKeyUp:
        desktop.SendKeys("+{TAB}");
        break;
    case kKeyRight:
    case kKeyDown:
        desktop.SendKeys("{TAB}");
        break;
    default:
        break;
    }
    RaiseEvent(alive, events.KeyDown, KeyCode, Shift);
}

void QxButton::KeyUp(std::int16_t KeyCode, std::int16_t Shift) {
    RunHandler([&](const bool& alive) { DoKeyUp(alive, KeyCode, Shift); });
}

void QxButton::DoKeyUp(const bool& alive, std::int16_t KeyCode, std::int16_t Shift) {
    if (KeyCode != kKeySpace) {
        return;
    }
    ButtonModel& m = model_;
    EndSpaceCapture();
    if (m.mMouseOver && m.mLeftDown) {
        // The mouse still holds the button down: no click from the key.
        m.mState = kStatePressed;
        PaintButton();
    } else {
        m.mState = m.mMouseOver ? kStateHover : kStateNormal;
        PaintButton();
        RaiseEvent(alive, events.Click);
    }
    RaiseEvent(alive, events.KeyUp, KeyCode, Shift);
    m.mSpaceDown = false;
    m.mLeftDown = false;
}

void QxButton::AccessKeyPress(std::int16_t KeyAscii) {
    RunHandler([&](const bool& alive) { DoAccessKeyPress(alive, KeyAscii); });
}

void QxButton::DoAccessKeyPress(const bool& alive, std::int16_t KeyAscii) {
    ButtonModel& m = model_;
    if (!m.Enabled) {
        return;
    }
    if (m.mSpaceDown) {
        EndSpaceCapture();
        m.mSpaceDown = false;
        m.mLeftDown = false;
    }
    if (m.CheckBoxMode) {
        if (KeyAscii == kKeyEscape || KeyAscii == kKeyEnter) {
            return;
        }
        m.Value = !m.Value;
        if (!m.Value) {
            m.mState = kStateNormal;
        }
        PaintButton();
    }
    // Whatever the key set off (a focus move, a repaint) happens before the click.
    host_.Desktop().ProcessPendingMessages();
    if (!alive) {
        return;
    }
    RaiseEvent(alive, events.Click);
}

// The Space key took the mouse capture so the button would go on hearing the pointer
// while the key is held. Nothing else gives it back, and a capture left behind sends the
// next click anywhere in the window to this button, so it is released once the key no
// longer holds the button. A capture the mouse holds (the left button is down) stays.
void QxButton::EndSpaceCapture() {
    const ButtonModel& m = model_;
    if (!m.mSpaceDown || m.mLeftDown) {
        return;
    }
    DesktopServices& desktop = host_.Desktop();
    if (desktop.GetCapture() == hWnd()) {
        desktop.ReleaseCapture();
    }
}

bool QxButton::PointerIsOver(WindowHandle window) {
    DesktopServices& desktop = host_.Desktop();
    return desktop.WindowFromPoint(desktop.GetCursorPos()) == window;
}

// --- Focus -------------------------------------------------------------------------------

void QxButton::GotFocus() {
    RunHandler([&](const bool&) {
        ButtonModel& m = model_;
        m.mHasFocus = true;
        if (m.mMouseOver) {
            m.mState = kStateHover;
        } else if (!m.mLeftDown) {
            m.mState = kStateNormal;
        }
    });
}

void QxButton::LostFocus() {
    RunHandler([&](const bool&) { DoLostFocus(); });
}

void QxButton::DoLostFocus() {
    ButtonModel& m = model_;
    EndSpaceCapture();
    m.mHasFocus = false;
    m.mLeftDown = false;
    m.mSpaceDown = false;
    m.mState = m.mParentActive && m.mMouseOver ? kStateHover : kStateNormal;
    PaintButton();
    if (m.mDisplayAsDefault) {
        PaintButton();
    }
}

// --- Hooked messages ---------------------------------------------------------------------

void QxButton::zSubclass_Proc(bool, bool&, MessageResult&, WindowHandle& lng_hWnd,
                              MessageNumber& uMsg, WParam& wParam, LParam&) {
    const WindowHandle window = lng_hWnd;
    const MessageNumber message = uMsg;
    const WParam w = wParam;
    RunHandler([&](const bool& alive) { DoHookMessage(alive, window, message, w); });
}

void QxButton::DoHookMessage(const bool& alive, WindowHandle window, MessageNumber message,
                             WParam wParam) {
    ButtonModel& m = model_;
    switch (message) {
    case WM_ACTIVATE:
    case WM_NCACTIVATE:
        if (wParam != 0) {
            m.mParentActive = true;
            m.mState = kStateNormal;
            if (m.mDisplayAsDefault) {
                PaintButton();
            }
            PaintButton();
        } else {
            // Whatever was held down on the button is let go with the window.
            EndSpaceCapture();
            m.mLeftDown = false;
            m.mSpaceDown = false;
            m.mHasFocus = false;
            m.mParentActive = false;
            m.mState = kStateNormal;
            PaintButton();
        }
        break;
    case WM_MOUSEMOVE:
        // While the mouse is captured the moves keep coming when the pointer is far
        // off the button; only one over it is an entry.
        if (!m.mMouseOver && PointerIsOver(window)) {
            m.mMouseOver = true;
            TrackMouseLeave(window);
            if (!m.mSpaceDown) {
                m.mState = kStateHover;
            }
            PaintButton();
            RaiseEvent(alive, events.MouseEnter);
        }
        break;
    case WM_MOUSELEAVE:
        m.mMouseOver = false;
        if (!m.mSpaceDown) {
            if (m.Enabled) {
                m.mState = kStateNormal;
            }
            PaintButton();
            RaiseEvent(alive, events.MouseLeave);
        }
        break;
    default:
        break;
    }
}

} // namespace lumio
