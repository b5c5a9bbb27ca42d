#pragma once

#include "button/hook_thunk.h"
#include "button/subclass_callback.h"
#include "platform/messages.h"
#include "platform/window.h"
#include "platform/window_registry.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace lumio {

// The `when` of WatchMessage: bit 1 after the previous procedure, bit 2 before it.
inline constexpr std::int32_t kWatchAfter = 1;
inline constexpr std::int32_t kWatchBefore = 2;
inline constexpr std::int32_t kWatchBoth = 3;
// The message number that stands for every message.
inline constexpr MessageNumber kEveryMessage = -1;

// Message numbers; the entry numbered i (from 1) is element i - 1. An entry of 0 is free.
using MessageTable = std::vector<MessageNumber>;

// One hooked window of a control. A record whose HookedWindow is 0 is free.
struct HookRecord {
    WindowHandle HookedWindow = 0;
    ProcedureId ThunkAddress = 0; // the thunk's link in the window's chain
    ProcedureId PreviousProc = 0; // what the thunk replaced when it was installed
    std::int32_t AfterCount = 0;  // entries of AfterTable in use; -1 for every message
    std::int32_t BeforeCount = 0; // the same for BeforeTable
    MessageTable AfterTable;
    MessageTable BeforeTable;
    std::shared_ptr<HookThunk> Thunk; // held by the chain too while linked or running
};

// A control's message hook: one record and one thunk per window it hooks, through which
// the control's zSubclass_Proc sees the messages it watches. Several controls may hook the
// same window; their thunks then form a chain, and each may be removed in any order
// without cutting the others out. Single-threaded, and callbacks may re-enter it. The
// registry must outlive the hook.
class MessageHook {
public:
    MessageHook(WindowRegistry& windows, SubclassCallback& owner);
    // Unhooks whatever is still hooked, so no thunk outlives its control.
    ~MessageHook();
    MessageHook(const MessageHook&) = delete;
    MessageHook& operator=(const MessageHook&) = delete;

    // Installs a new thunk as the window's procedure, in the last free record or a new one
    // at the end, and answers the record's index. Hooking a window twice puts a second
    // thunk in front of the first. When the window cannot be hooked (there is no such
    // window) it stays as it was, no record is taken and the answer is -1.
    std::int32_t HookWindow(WindowHandle window);
    // Adds the message to the before and/or after table of the window's newest record.
    // Raises SubscriptOutOfRange when this hook has not hooked the window.
    void WatchMessage(WindowHandle window, MessageNumber message, std::int32_t when);
    // The newest record of the window, or (adding) the last free record; -1 if none.
    // Handle 0 never names a hooked window. Raises SubscriptOutOfRange before the first
    // HookWindow.
    std::int32_t FindHookRecord(WindowHandle window, bool adding) const;
    // Unlinks the window's newest thunk and frees its record. Raises SubscriptOutOfRange
    // when this hook has not hooked the window, or before the first HookWindow. A window
    // destroyed meanwhile is fine: its record is freed all the same.
    void UnhookWindow(WindowHandle window);
    // Unhooks every record in use, last first. Raises SubscriptOutOfRange before the
    // first HookWindow.
    void UnhookAllWindows();

    // The record table, empty before the first HookWindow.
    const std::vector<HookRecord>& records() const;

private:
    static void AddMessageToTable(MessageNumber message, MessageTable& table, std::int32_t& count,
                                  std::int32_t when, HookThunk& thunk);
    HookRecord& RecordAt(std::int32_t index);
    void Unhook(HookRecord& record);

    WindowRegistry& windows_;
    SubclassCallback& owner_;
    std::optional<std::vector<HookRecord>> records_; // none until the first HookWindow
};

} // namespace lumio
