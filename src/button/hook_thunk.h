#pragma once

#include "button/subclass_callback.h"
#include "platform/messages.h"
#include "platform/window.h"

#include <array>
#include <cstdint>

namespace lumio {

// The per-window forwarding procedure of a control's hook. It never reads the hook's
// record: it works from its own copies of the record's values, written into it by
// patching, so the hook must re-patch after every change of a table's address or of a
// count. Each patch is counted, which lets a test see exactly when that happened.
// Passing a message on goes through the window's chain rather than to the copied
// previous procedure, so another control's thunk leaving the chain cannot leave this one
// calling a procedure that is gone; the copy records what this thunk replaced.
class HookThunk {
public:
    enum class Side { Before, After };
    enum class PatchPoint { Owner, PreviousProc, BeforeTable, BeforeCount, AfterTable, AfterCount };
    static constexpr std::size_t kPatchPoints = 6;

    void PatchOwner(SubclassCallback* owner);
    void PatchPreviousProc(ProcedureId previous);
    // The address of the table's entry 1.
    void PatchTable(Side side, const MessageNumber* first_entry);
    // 0: no call; negative: every message; otherwise the first `count` entries.
    void PatchCount(Side side, std::int32_t count);

    int patches(PatchPoint point) const { return patches_[Index(point)]; }
    int total_patches() const;

    SubclassCallback* owner() const noexcept { return owner_; }
    ProcedureId previous_proc() const noexcept { return previous_proc_; }
    const MessageNumber* table(Side side) const noexcept { return table_[Index(side)]; }
    std::int32_t count(Side side) const noexcept { return count_[Index(side)]; }

    // One message: the before-call if watched; unless it was handled there, the previous
    // procedure and then the after-call if watched. Answers the return value.
    MessageResult Run(const PreviousProcedure& previous, WindowHandle window, MessageNumber message,
                      WParam wParam, LParam lParam);

private:
    static constexpr std::size_t Index(Side side) { return side == Side::Before ? 0 : 1; }
    static constexpr std::size_t Index(PatchPoint point) { return static_cast<std::size_t>(point); }
    bool Watches(Side side, MessageNumber message) const;
    void Patched(PatchPoint point) { ++patches_[Index(point)]; }

    SubclassCallback* owner_ = nullptr;
    ProcedureId previous_proc_ = 0;
    std::array<const MessageNumber*, 2> table_{};
    std::array<std::int32_t, 2> count_{};
    std::array<int, kPatchPoints> patches_{};
};

} // namespace lumio
