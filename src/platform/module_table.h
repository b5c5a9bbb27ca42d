#pragma once

#include "platform/desktop_services.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumio {

// The system libraries a process can see and what they export, with the platform's
// loading rules: a library is either loaded already (GetModuleHandleA finds it) or only
// present (LoadLibraryA loads it); every LoadLibraryA needs its FreeLibrary, and a
// library the process did not load itself is never unloaded by FreeLibrary.
class ModuleTable {
public:
    // What our platforms offer: "user32" loaded, with the window, cursor and leave
    // tracking functions; "comctl32" present but not loaded, with "_TrackMouseEvent".
    static ModuleTable Standard();

    // Adds a library (or replaces one of the same name).
    void Add(std::string_view name, std::vector<std::string> exports, bool loaded);
    // Takes a library off the system altogether.
    void Remove(std::string_view name);

    ModuleHandle GetModuleHandleA(std::string_view name) const;
    ModuleHandle LoadLibraryA(std::string_view name);
    FunctionAddress GetProcAddress(ModuleHandle module, std::string_view function) const;
    bool FreeLibrary(ModuleHandle module);

    bool IsLoaded(std::string_view name) const { return GetModuleHandleA(name) != 0; }

private:
    struct Module {
        std::string name; // lower case, without ".dll"
        std::vector<std::string> exports;
        ModuleHandle handle = 0;
        bool loaded_by_system = false;
        std::int32_t references = 0; // LoadLibraryA calls not yet freed
    };

    // -1 when there is no such library.
    std::ptrdiff_t IndexOf(std::string_view name) const;
    std::ptrdiff_t IndexOf(ModuleHandle handle) const;
    static bool IsLoaded(const Module& module) {
        return module.loaded_by_system || module.references > 0;
    }

    std::vector<Module> modules_;
    ModuleHandle next_handle_ = 0x10000000;
};

} // namespace lumio
