// Prints the GDI and USER objects a running program holds, for the soak, which watches
// them grow: "gdi=N user=M by=system|wine", then under Wine the GDI objects by kind,
// "gdi_bitmap=N gdi_dc=N ..." (how they are counted: gui_objects.h).
// Usage: lumio_gui_objects EXE-NAME   (exit 1 when not exactly one such process runs)
#include "../gui_objects.h"

#include <cstdio>
#include <cwchar>
#include <windows.h>
// After windows.h, whose types it uses.
#include <tlhelp32.h>

namespace {

DWORD FindProcess(const wchar_t* name) {
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) {
        return 0;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    DWORD found = 0;
    int matches = 0;
    for (BOOL more = ::Process32FirstW(snapshot, &entry); more;
         more = ::Process32NextW(snapshot, &entry)) {
        if (_wcsicmp(entry.szExeFile, name) == 0) {
            found = entry.th32ProcessID;
            ++matches;
        }
    }
    ::CloseHandle(snapshot);
    return matches == 1 ? found : 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) {
        std::fputs("usage: lumio_gui_objects EXE-NAME\n", stderr);
        return 2;
    }
    const DWORD id = FindProcess(argv[1]);
    if (id == 0) {
        std::fprintf(stderr, "not exactly one %ls running\n", argv[1]);
        return 1;
    }
    HANDLE process = ::OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, id);
    if (process == nullptr) {
        std::fprintf(stderr, "cannot open process %lu\n", static_cast<unsigned long>(id));
        return 1;
    }
    const lumio::GuiObjects count = lumio::CountGuiObjects(process);
    ::CloseHandle(process);
    if (count.gdi < 0) {
        std::fputs("neither the system nor Wine's handle table gives a count\n", stderr);
        return 1;
    }
    std::printf("gdi=%ld user=%ld by=%s", count.gdi, count.user,
                count.bySystem ? "system" : "wine");
    for (const auto& [kind, n] : count.gdiKinds) {
        std::printf(" gdi_%s=%ld", kind.c_str(), n);
    }
    std::printf("\n");
    return 0;
}
