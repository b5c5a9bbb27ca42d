#pragma once

// The GDI and USER objects a process holds, counted from outside it. The system's own
// count (GetGuiResources) where it has one. Wine's GetGuiResources counts nothing (it
// fails as not implemented), so there the GDI objects are read from the process's GDI
// handle table, which Wine keeps in the process and points to from the PEB, as Windows
// once did, and the USER objects are the process's windows, the USER objects Wine lets
// another process see.
#include <map>
#include <string>
#include <vector>
#include <windows.h>
// After windows.h, whose types it uses.
#include <winternl.h>

namespace lumio {

struct GuiObjects {
    long gdi = -1; // -1: not counted
    long user = -1;
    bool bySystem = false; // GetGuiResources; else Wine's table and the windows
    // The GDI objects by kind ("bitmap", "dc", ...), where Wine's table tells them.
    std::map<std::string, long> gdiKinds;
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

// The kinds, by the entry's extended type (the high word of Wine's object types).
inline std::string KindOf(unsigned extendedType) {
    static const std::map<unsigned, std::string> kinds = {
        {0x01, "dc"},       {0x41, "memdc"},    {0x21, "metadc"},  {0x66, "metadc"},
        {0x04, "region"},   {0x05, "surface"},  {0x08, "palette"}, {0x09, "bitmap"},
        {0x0a, "font"},     {0x10, "brush"},    {0x30, "pen"},     {0x50, "pen"},
        {0x26, "metafile"}, {0x46, "metafile"},
    };
    const auto it = kinds.find(extendedType);
    return it == kinds.end() ? "other" : it->second;
}

// Fills the count and the kinds; false when the table cannot be read.
inline bool ReadWineGdiTable(HANDLE process, GuiObjects& out) {
    PROCESS_BASIC_INFORMATION basic{};
    ULONG length = 0;
    if (::NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic,
                                    &length) != 0) {
        return false;
    }
    void* table = nullptr;
    SIZE_T read = 0;
    if (!::ReadProcessMemory(process, reinterpret_cast<char*>(basic.PebBaseAddress) + kPebGdiTable,
                             &table, sizeof table, &read) ||
        table == nullptr) {
        return false;
    }
    std::vector<WineGdiEntry> entries(kWineGdiSlots);
    if (!::ReadProcessMemory(process, table, entries.data(), entries.size() * sizeof(WineGdiEntry),
                             &read) ||
        read != entries.size() * sizeof(WineGdiEntry)) {
        return false;
    }
    out.gdi = 0;
    for (const WineGdiEntry& e : entries) {
        if (e.type != 0 && (e.unique & kStockFlag) == 0) {
            ++out.gdi;
            ++out.gdiKinds[KindOf(e.unique & 0x7f)];
        }
    }
    return true;
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
        return {static_cast<long>(gdi), static_cast<long>(user), true, {}};
    }
    GuiObjects count;
    if (!gui_objects_detail::ReadWineGdiTable(process, count)) {
        return {};
    }
    count.user = gui_objects_detail::Windows(::GetProcessId(process));
    return count;
}

} // namespace lumio
