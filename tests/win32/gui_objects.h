#pragma once

// The GDI and USER objects a process holds, counted from outside it. The system's own
// count (GetGuiResources) where it has one. Wine's GetGuiResources counts nothing (it
// fails as not implemented), so there the GDI objects are read from the process's GDI
// handle table, which Wine keeps in the process and points to from the PEB, as Windows
// once did, and the USER objects are the process's windows, the USER objects Wine lets
// another process see.
#include <vector>
#include <windows.h>
// After windows.h, whose types it uses.
#include <winternl.h>

namespace lumio {

struct GuiObjects {
    long gdi = -1; // -1: not counted
    long user = -1;
    bool bySystem = false; // GetGuiResources; else Wine's table and the windows
};

namespace gui_objects_detail {

// One slot of Wine's GDI handle table (its ntgdi.h); Type 0 marks a free slot and the
// top bit of the Unique word a stock object, which every process has from its start.
struct WineGdiEntry {
    unsigned long long object;
    unsigned int owner;
    unsigned short unique;
    unsigned char type;
    unsigned char flags;
    unsigned long long userPointer;
};
static_assert(sizeof(WineGdiEntry) == 24);
constexpr std::size_t kWineGdiSlots = 0x10000;
constexpr unsigned short kStockFlag = 0x80;
// Where the 64-bit PEB keeps GdiSharedHandleTable.
constexpr std::size_t kPebGdiTable = 0xF8;

// -1 when the table cannot be read.
inline long WineGdiObjects(HANDLE process) {
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (::NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic,
                                    &length) != 0) {
        return -1;
    }
    void* table = nullptr;
    SIZE_T read = 0;
    if (!::ReadProcessMemory(process, reinterpret_cast<char*>(basic.PebBaseAddress) + kPebGdiTable,
                             &table, sizeof table, &read) ||
        table == nullptr) {
        return -1;
    }
    std::vector<WineGdiEntry> entries(kWineGdiSlots);
    if (!::ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(WineGdiEntry),
                             &read) ||
        read != entries.size() * sizeof(WineGdiEntry)) {
        return -1;
    }
    long count = 0;
    for (const WineGdiEntry& e : entries) {
        count += e.type != 0 && (e.unique & kStockFlag) == 0;
    }
    return count;
}

struct WindowCount {
    DWORD process;
    long windows;
};

inline BOOL CALLBACK CountWindow(HWND window, LPARAM param) {
    auto* count = reinterpret_cast<WindowCount*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    count->windows += owner == count->process;
    return TRUE;
}

inline BOOL CALLBACK CountTree(HWND window, LPARAM param) {
    CountWindow(window, param);
    ::EnumChildWindows(window, CountWindow, param); // every level below, not only the first
    return TRUE;
}

inline long Windows(DWORD process) {
    WindowCount count{process, 0};
    ::EnumWindows(CountTree, reinterpret_cast<LPARAM>(&count));
    // Message-only windows live under a parent of their own.
    for (HWND w = ::FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
         w = ::FindWindowExW(HWND_MESSAGE, w, nullptr, nullptr)) {
        CountTree(w, reinterpret_cast<LPARAM>(&count));
    }
    return count.windows;
}

} // namespace gui_objects_detail

// The process needs PROCESS_QUERY_INFORMATION and PROCESS_VM_READ access.
inline GuiObjects CountGuiObjects(HANDLE process) {
    ::SetLastError(ERROR_SUCCESS);
    const DWORD gdi = ::GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD user = ::GetGuiResources(process, GR_USEROBJECTS);
    if (gdi != 0 || ::GetLastError() != ERROR_CALL_NOT_IMPLEMENTED) {
        return {static_cast<long>(gdi), static_cast<long>(user), true};
    }
    const long wineGdi = gui_objects_detail::WineGdiObjects(process);
    if (wineGdi < 0) {
        return {};
    }
    return {wineGdi, gui_objects_detail::Windows(::GetProcessId(process)), false};
}

} // namespace lumio
