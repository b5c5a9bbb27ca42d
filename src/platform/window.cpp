#include "platform/window.h"

#include <utility>

namespace lumio {

// Each link holds the one below it, so a call that is under way keeps every procedure it
// may still reach alive, even when links are removed or the window is destroyed meanwhile.
struct ProcedureLink {
    ProcedureId id = 0;
    SubclassProcedure procedure;
    std::shared_ptr<ProcedureLink> below;

    // The caller keeps this link alive for the whole call.
    MessageResult Run(WindowHandle window, MessageNumber message, WParam wParam,
                      LParam lParam) const {
        return procedure(PreviousProcedure(*this), window, message, wParam, lParam);
    }
};

MessageResult PreviousProcedure::operator()(WindowHandle window, MessageNumber message,
                                            WParam wParam, LParam lParam) const {
    const std::shared_ptr<ProcedureLink> next = link_.below;
    if (!next) {
        return 0;
    }
    return next->Run(window, message, wParam, lParam);
}

ProcedureId PreviousProcedure::id() const noexcept {
    return link_.below ? link_.below->id : 0;
}

Window::Window(WindowHandle handle, WindowHandle parent, ProcedureId base_id, WindowProcedure base)
    : handle_(handle), parent_(parent), own_procedure_(base_id) {
    auto own = [base = std::move(base)](const PreviousProcedure&, WindowHandle window,
                                        MessageNumber message, WParam wParam,
                                        LParam lParam) -> MessageResult {
        return base ? base(window, message, wParam, lParam) : 0;
    };
    outermost_ = std::make_shared<ProcedureLink>(ProcedureLink{base_id, std::move(own), nullptr});
}

Window::~Window() = default;

MessageResult Window::Send(MessageNumber message, WParam wParam, LParam lParam) {
    const std::shared_ptr<ProcedureLink> outermost = outermost_;
    return outermost->Run(handle_, message, wParam, lParam);
}

ProcedureSwap Window::Install(ProcedureId id, SubclassProcedure procedure) {
    const ProcedureId replaced = outermost_->id;
    outermost_ =
        std::make_shared<ProcedureLink>(ProcedureLink{id, std::move(procedure), outermost_});
    return {id, replaced};
}

bool Window::Remove(ProcedureId id) {
    if (id == own_procedure_) {
        return false;
    }
    if (outermost_->id == id) {
        outermost_ = outermost_->below;
        return true;
    }
    for (ProcedureLink* link = outermost_.get(); link->below; link = link->below.get()) {
        if (link->below->id == id) {
            link->below = link->below->below;
            return true;
        }
    }
    return false;
}

ProcedureId Window::current_procedure() const noexcept {
    return outermost_->id;
}

std::vector<ProcedureId> Window::Chain() const {
    std::vector<ProcedureId> ids;
    for (const ProcedureLink* link = outermost_.get(); link; link = link->below.get()) {
        ids.push_back(link->id);
    }
    return ids;
}

} // namespace lumio
