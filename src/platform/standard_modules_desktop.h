#pragma once

#include "platform/desktop_services.h"
#include "platform/module_table.h"

namespace lumio {

// The desktop services of a real front end as far as system libraries go: the standard
// table answers, the same on every platform, so the controls take the same paths on
// Linux and on Windows.
class StandardModulesDesktop : public DesktopServices {
public:
    ModuleHandle GetModuleHandleA(std::string_view module) final {
        return modules_.GetModuleHandleA(module);
    }
    ModuleHandle LoadLibraryA(std::string_view module) final {
        return modules_.LoadLibraryA(module);
    }
    FunctionAddress GetProcAddress(ModuleHandle module, std::string_view function) final {
        return modules_.GetProcAddress(module, function);
    }
    bool FreeLibrary(ModuleHandle module) final { return modules_.FreeLibrary(module); }

private:
    ModuleTable modules_ = ModuleTable::Standard();
};

} // namespace lumio
