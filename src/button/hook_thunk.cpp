#include "button/hook_thunk.h"

#include <numeric>

namespace lumio {

void HookThunk::PatchOwner(SubclassCallback* owner) {
    owner_ = owner;
    Patched(PatchPoint::Owner);
}

void HookThunk::PatchPreviousProc(ProcedureId previous) {
    previous_proc_ = previous;
    Patched(PatchPoint::PreviousProc);
}

void HookThunk::PatchTable(Side side, const MessageNumber* first_entry) {
    table_[Index(side)] = first_entry;
    Patched(side == Side::Before ? PatchPoint::BeforeTable : PatchPoint::AfterTable);
}

void HookThunk::PatchCount(Side side, std::int32_t count) {
    count_[Index(side)] = count;
    Patched(side == Side::Before ? PatchPoint::BeforeCount : PatchPoint::AfterCount);
}

int HookThunk::total_patches() const {
    return std::accumulate(patches_.begin(), patches_.end(), 0);
}

MessageResult HookThunk::Run(const PreviousProcedure& previous, WindowHandle window,
                             MessageNumber message, WParam wParam, LParam lParam) {
    MessageResult result = 0;
    bool handled = false;
    // The copies are read afresh at each step: a callback may watch more messages or
    // unhook this very thunk, and the re-patching that follows must count from then on.
    if (owner_ && Watches(Side::Before, message)) {
        owner_->zSubclass_Proc(true, handled, result, window, message, wParam, lParam);
    }
    if (handled) {
        return result;
    }
    result = previous(window, message, wParam, lParam);
    if (owner_ && Watches(Side::After, message)) {
        owner_->zSubclass_Proc(false, handled, result, window, message, wParam, lParam);
    }
    return result;
}

bool HookThunk::Watches(Side side, MessageNumber message) const {
    const std::int32_t count = count_[Index(side)];
    if (count < 0) {
        return true;
    }
    const MessageNumber* table = table_[Index(side)];
    for (std::int32_t i = 0; table && i < count; ++i) {
        if (table[i] == message) {
            return true;
        }
    }
    return false;
}

} // namespace lumio
