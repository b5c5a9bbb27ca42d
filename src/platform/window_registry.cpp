#include "platform/window_registry.h"

#include <limits>
#include <utility>

namespace lumio {

WindowHandle WindowRegistry::Create(WindowHandle parent, WindowProcedure own) {
    if (parent != 0 && !IsWindow(parent)) {
        return 0;
    }
    if (next_handle_ == 0 || next_procedure_ == 0) {
        return 0;
    }
    const WindowHandle handle = next_handle_;
    next_handle_ =
        handle > std::numeric_limits<WindowHandle>::max() - kHandleStep ? 0 : handle + kHandleStep;
    windows_.emplace(handle,
                     std::make_shared<Window>(handle, parent, next_procedure_++, std::move(own)));
    return handle;
}

bool WindowRegistry::Destroy(WindowHandle window) {
    if (!IsWindow(window)) {
        return false;
    }
    for (WindowHandle child : Children(window)) {
        Destroy(child);
    }
    windows_.erase(window);
    return true;
}

Window* WindowRegistry::Find(WindowHandle window) {
    const auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second.get();
}

const Window* WindowRegistry::Find(WindowHandle window) const {
    const auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second.get();
}

std::vector<WindowHandle> WindowRegistry::Children(WindowHandle parent) const {
    std::vector<WindowHandle> children;
    for (const auto& [handle, window] : windows_) {
        if (window->parent() == parent && parent != 0) {
            children.push_back(handle);
        }
    }
    return children;
}

MessageResult WindowRegistry::Send(WindowHandle window, MessageNumber message, WParam wParam,
                                   LParam lParam) {
    const auto it = windows_.find(window);
    if (it == windows_.end()) {
        return 0;
    }
    // Held for the call: a procedure may destroy its own window.
    const std::shared_ptr<Window> target = it->second;
    return target->Send(message, wParam, lParam);
}

ProcedureId WindowRegistry::CurrentProcedure(WindowHandle window) const {
    const Window* target = Find(window);
    return target ? target->current_procedure() : 0;
}

std::optional<ProcedureSwap> WindowRegistry::InstallProcedure(WindowHandle window,
                                                              SubclassProcedure procedure) {
    Window* target = Find(window);
    if (!target || next_procedure_ == 0) {
        return std::nullopt;
    }
    return target->Install(next_procedure_++, std::move(procedure));
}

bool WindowRegistry::RestoreProcedure(WindowHandle window, const ProcedureSwap& swap) {
    Window* target = Find(window);
    return target && target->Remove(swap.installed);
}

} // namespace lumio
