// Run-time input set-up of a loaded qxbutton and its undoing at termination: the hand
// cursor, the probe for leave notifications, and the message hooks on the control's own
// window and its parent.
#include "button/qxbutton.h"

namespace lumio {

void QxButton::StartInput() {
    DesktopServices& desktop = host_.Desktop();
    ButtonModel& m = model_;

    if (m.HandPointer) {
        m.mHandCursor = desktop.LoadCursorA(0, IDC_HAND);
        // Without a cursor to show, the surface's own pointer applies.
        m.HandPointer = m.mHandCursor != 0;
    }

    m.mTrackLeave = true;
    m.mTrackUser32 = IsFunctionExported("TrackMouseEvent", "User32");
    if (!m.mTrackUser32 && !IsFunctionExported("_TrackMouseEvent", "Comctl32")) {
        m.mTrackLeave = false;
    }
    if (!m.mTrackLeave) {
        return;
    }

    if (!hook_) {
        hook_.emplace(host_.Windows(), *this);
    }
    const WindowHandle own = hWnd();
    hook_->HookWindow(own);
    hook_->HookWindow(m.mParentHwnd);
    hook_->WatchMessage(own, WM_MOUSEMOVE, kWatchAfter);
    hook_->WatchMessage(own, WM_MOUSELEAVE, kWatchAfter);

    // Following the parent's activation is a nicety: a parent that cannot say what it is,
    // or cannot be hooked, leaves the button working without it.
    MessageNumber activation = WM_NCACTIVATE;
    try {
        if (host_.ParentProperty("MDIChild") == 0) {
            activation = WM_ACTIVATE;
        }
    } catch (...) {
    }
    try {
        hook_->WatchMessage(m.mParentHwnd, activation, kWatchAfter);
    } catch (...) {
    }
}

void QxButton::StopInput() {
    // Each removal runs even when the one before failed (say, the parent was never
    // hooked), so no thunk stays in a chain calling back into a control that is going.
    const auto attempt = [](auto&& step) {
        try {
            step();
        } catch (...) {
        }
    };
    if (!hook_) {
        return;
    }
    attempt([&] { hook_->UnhookWindow(model_.mParentHwnd); });
    attempt([&] { hook_->UnhookWindow(hWnd()); });
    attempt([&] { hook_->UnhookAllWindows(); });
}

bool QxButton::IsFunctionExported(std::string_view function, std::string_view module) {
    DesktopServices& desktop = host_.Desktop();
    ModuleHandle handle = desktop.GetModuleHandleA(module);
    bool loadedHere = false;
    if (handle == 0) {
        handle = desktop.LoadLibraryA(module);
        if (handle == 0) {
            return false;
        }
        loadedHere = true;
    }
    const bool exported = desktop.GetProcAddress(handle, function) != 0;
    if (loadedHere) {
        desktop.FreeLibrary(handle);
    }
    return exported;
}

void QxButton::TrackMouseLeave(WindowHandle window) {
    if (!model_.mTrackLeave) {
        return;
    }
    TrackMouseEventRecord request;
    request.hwndTrack = window;
    if (model_.mTrackUser32) {
        host_.Desktop().TrackMouseEvent(request);
    } else {
        host_.Desktop().ComctlTrackMouseEvent(request);
    }
}

void QxButton::ApplyHandCursor() {
    if (model_.HandPointer && model_.mHandCursor != 0) {
        host_.Desktop().SetCursor(model_.mHandCursor);
    }
}

} // namespace lumio
