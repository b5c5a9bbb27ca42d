#include "button/message_hook.h"

#include "platform/errors.h"

#include <type_traits>
#include <utility>

namespace lumio {
namespace {

// Thunks hold the tables' addresses: growing the record table must move the tables, never
// copy them to new places behind the thunks' backs.
static_assert(std::is_nothrow_move_constructible_v<HookRecord>);

[[noreturn]] void RaiseNotHooked(const char* what) {
    throw RuntimeError(ErrorNumber::SubscriptOutOfRange, what);
}

} // namespace

MessageHook::MessageHook(WindowRegistry& windows, SubclassCallback& owner)
    : windows_(windows), owner_(owner) {}

MessageHook::~MessageHook() {
    if (records_) {
        UnhookAllWindows();
    }
}

std::int32_t MessageHook::HookWindow(WindowHandle window) {
    std::int32_t index = 0;
    if (!records_) {
        records_.emplace(1);
    } else {
        index = FindHookRecord(window, true);
        if (index == -1) {
            records_->emplace_back();
            index = static_cast<std::int32_t>(records_->size()) - 1;
        }
    }
    // The thunk is complete before it becomes the window's procedure.
    const ProcedureId previous = windows_.CurrentProcedure(window);
    if (previous == 0) {
        return -1;
    }
    auto thunk = std::make_shared<HookThunk>();
    thunk->PatchPreviousProc(previous);
    thunk->PatchOwner(&owner_);
    const auto swap = windows_.InstallProcedure(
        window, [thunk](const PreviousProcedure& next, WindowHandle hwnd, MessageNumber message,
                        WParam wParam,
                        LParam lParam) { return thunk->Run(next, hwnd, message, wParam, lParam); });
    if (!swap) {
        return -1;
    }
    HookRecord& record = (*records_)[static_cast<std::size_t>(index)];
    record.HookedWindow = window;
    record.ThunkAddress = swap->installed;
    record.PreviousProc = swap->replaced;
    record.Thunk = std::move(thunk);
    return index;
}

void MessageHook::WatchMessage(WindowHandle window, MessageNumber message, std::int32_t when) {
    HookRecord& record = RecordAt(FindHookRecord(window, false));
    if (when & kWatchBefore) {
        AddMessageToTable(message, record.BeforeTable, record.BeforeCount, kWatchBefore,
                          *record.Thunk);
    }
    if (when & kWatchAfter) {
        AddMessageToTable(message, record.AfterTable, record.AfterCount, kWatchAfter,
                          *record.Thunk);
    }
}

void MessageHook::AddMessageToTable(MessageNumber message, MessageTable& table, std::int32_t& count,
                                    std::int32_t when, HookThunk& thunk) {
    const HookThunk::Side side =
        when == kWatchBefore ? HookThunk::Side::Before : HookThunk::Side::After;
    if (message == kEveryMessage) {
        count = -1;
    } else {
        // Every message is watched already; counting on from -1 would watch none.
        if (count < 0) {
            return;
        }
        for (std::int32_t i = 0; i < count; ++i) {
            MessageNumber& entry = table[static_cast<std::size_t>(i)];
            if (entry == 0) {
                // Same address, same count: the thunk sees it without re-patching.
                entry = message;
                return;
            }
            if (entry == message) {
                return;
            }
        }
        ++count;
        table.resize(static_cast<std::size_t>(count));
        table.back() = message;
        thunk.PatchTable(side, table.data());
    }
    thunk.PatchCount(side, count);
}

std::int32_t MessageHook::FindHookRecord(WindowHandle window, bool adding) const {
    if (!records_) {
        RaiseNotHooked("no window has been hooked yet");
    }
    for (auto i = static_cast<std::int32_t>(records_->size()) - 1; i >= 0; --i) {
        const WindowHandle hooked = (*records_)[static_cast<std::size_t>(i)].HookedWindow;
        if (adding ? hooked == 0 : (window != 0 && hooked == window)) {
            return i;
        }
    }
    return -1;
}

void MessageHook::UnhookWindow(WindowHandle window) {
    Unhook(RecordAt(FindHookRecord(window, false)));
}

void MessageHook::UnhookAllWindows() {
    if (!records_) {
        RaiseNotHooked("no window has been hooked yet");
    }
    for (auto i = records_->size(); i-- > 0;) {
        if ((*records_)[i].HookedWindow != 0) {
            Unhook((*records_)[i]);
        }
    }
}

const std::vector<HookRecord>& MessageHook::records() const {
    static const std::vector<HookRecord> kNone;
    return records_ ? *records_ : kNone;
}

HookRecord& MessageHook::RecordAt(std::int32_t index) {
    if (!records_ || index < 0 || static_cast<std::size_t>(index) >= records_->size()) {
        RaiseNotHooked("the window is not hooked by this control");
    }
    return (*records_)[static_cast<std::size_t>(index)];
}

void MessageHook::Unhook(HookRecord& record) {
    // Only this thunk leaves the chain; a window destroyed meanwhile has nothing to restore.
    windows_.RestoreProcedure(record.HookedWindow, {record.ThunkAddress, record.PreviousProc});
    // A call still running through the thunk finishes without calling back.
    record.Thunk->PatchCount(HookThunk::Side::Before, 0);
    record.Thunk->PatchCount(HookThunk::Side::After, 0);
    record = HookRecord{};
}

} // namespace lumio
