#pragma once

#include "platform/messages.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace lumio {

// Identifies one window procedure in a window's chain (what the platform calls the
// procedure's address). 0 is "no procedure"; a registry never hands out the same id twice.
using ProcedureId = std::uint32_t;

// A window's own, innermost procedure.
using WindowProcedure = std::function<MessageResult(WindowHandle, MessageNumber, WParam, LParam)>;

struct ProcedureLink;

// Passes a message on to the procedure a link was installed over. The chain decides what
// that is at the moment of the call: when the link underneath has been removed since,
// the message goes to whatever took its place, so removing one link never strands the
// others. Only valid for the duration of the call it was handed to.
class PreviousProcedure {
public:
    PreviousProcedure(const PreviousProcedure&) = delete;
    PreviousProcedure& operator=(const PreviousProcedure&) = delete;

    MessageResult operator()(WindowHandle window, MessageNumber message, WParam wParam,
                             LParam lParam) const;

    // The procedure a call would reach now; 0 under the innermost one.
    ProcedureId id() const noexcept;

private:
    friend struct ProcedureLink;
    explicit PreviousProcedure(const ProcedureLink& link) : link_(link) {}

    const ProcedureLink& link_;
};

// A procedure linked over a window's chain: it sees every message first and decides
// whether and how to pass it on.
using SubclassProcedure = std::function<MessageResult(const PreviousProcedure& previous,
                                                      WindowHandle, MessageNumber, WParam, LParam)>;

// What installing a procedure did: the new link's id and the procedure it replaced.
// Keep it to put the window back the way it was.
struct ProcedureSwap {
    ProcedureId installed = 0;
    ProcedureId replaced = 0;

    friend bool operator==(const ProcedureSwap&, const ProcedureSwap&) = default;
};

// One window of ours: a handle, its parent, the enabled and visible flags, and the chain
// of window procedures that every message sent to it runs through, outermost first and
// ending at the window's own procedure. Windows are created, found and destroyed by a
// WindowRegistry, which also hands out the procedure ids.
class Window {
public:
    Window(WindowHandle handle, WindowHandle parent, ProcedureId base_id, WindowProcedure base);
    ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    WindowHandle handle() const noexcept { return handle_; }
    WindowHandle parent() const noexcept { return parent_; }

    bool enabled() const noexcept { return enabled_; }
    void set_enabled(bool enabled) noexcept { enabled_ = enabled; }
    bool visible() const noexcept { return visible_; }
    void set_visible(bool visible) noexcept { visible_ = visible; }

    // Runs the message through the chain and returns what the outermost procedure returns.
    MessageResult Send(MessageNumber message, WParam wParam, LParam lParam);

    // Links `procedure` over the current outermost one.
    ProcedureSwap Install(ProcedureId id, SubclassProcedure procedure);
    // Unlinks exactly the link `id`, wherever it sits; the links above it then pass their
    // messages to what was below it. The window's own procedure cannot be removed.
    bool Remove(ProcedureId id);

    ProcedureId current_procedure() const noexcept;
    ProcedureId own_procedure() const noexcept { return own_procedure_; }
    // The ids from the outermost procedure down to the window's own.
    std::vector<ProcedureId> Chain() const;

private:
    WindowHandle handle_;
    WindowHandle parent_;
    bool enabled_ = true;
    bool visible_ = true;
    ProcedureId own_procedure_;
    std::shared_ptr<ProcedureLink> outermost_;
};

} // namespace lumio
