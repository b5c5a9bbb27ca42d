#pragma once

#include "platform/messages.h"
#include "platform/window.h"

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <vector>

namespace lumio {

// Every window of the process, by handle: what the host, the reader window and the
// controls' hooks share. Handles and procedure ids are never handed out twice, so a stale
// one can only miss, never reach somebody else's window or procedure.
class WindowRegistry {
public:
    WindowRegistry() = default;
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    // A new, enabled and visible window whose innermost procedure is `own` (an empty
    // procedure answers 0 to everything). 0 when `parent` is given but is no window, or
    // when the handles are used up.
    WindowHandle Create(WindowHandle parent, WindowProcedure own);
    // Destroys the window and all its descendants. Procedures still linked into their
    // chains are dropped with them; a message being handled at that moment finishes.
    bool Destroy(WindowHandle window);

    bool IsWindow(WindowHandle window) const { return Find(window) != nullptr; }
    Window* Find(WindowHandle window);
    const Window* Find(WindowHandle window) const;
    // The window's direct children, oldest first.
    std::vector<WindowHandle> Children(WindowHandle parent) const;
    std::size_t size() const noexcept { return windows_.size(); }

    // Runs the message through the window's chain; 0 when there is no such window.
    MessageResult Send(WindowHandle window, MessageNumber message, WParam wParam, LParam lParam);

    // The window's outermost procedure; 0 when there is no such window.
    ProcedureId CurrentProcedure(WindowHandle window) const;
    // Makes `procedure` the window's procedure, linked over the current one. Nothing
    // happens when there is no such window.
    std::optional<ProcedureSwap> InstallProcedure(WindowHandle window, SubclassProcedure procedure);
    // Puts back what `swap` replaced by unlinking exactly the procedure it installed, so
    // procedures installed later, above it, stay in the chain. False when that procedure
    // is no longer linked or the window is gone.
    bool RestoreProcedure(WindowHandle window, const ProcedureSwap& swap);

private:
    static constexpr WindowHandle kFirstHandle = 0x00010004;
    static constexpr WindowHandle kHandleStep = 4;

    std::map<WindowHandle, std::shared_ptr<Window>> windows_;
    WindowHandle next_handle_ = kFirstHandle;
    ProcedureId next_procedure_ = 1;
};

} // namespace lumio
