#include "platform/module_table.h"

#include "platform/ascii.h"

#include <algorithm>
#include <cctype>
#include <limits>
#include <utility>

namespace lumio {
namespace {

constexpr ModuleHandle kHandleStep = 0x10000;

// "User32", "USER32.DLL" and "user32" name one library.
std::string CanonicalName(std::string_view name) {
    std::string canonical;
    canonical.reserve(name.size());
    for (char c : name) {
        canonical.push_back(AsciiLower(c));
    }
    constexpr std::string_view kSuffix = ".dll";
    if (canonical.size() > kSuffix.size() && canonical.ends_with(kSuffix)) {
        canonical.resize(canonical.size() - kSuffix.size());
    }
    return canonical;
}

} // namespace

ModuleTable ModuleTable::Standard() {
    ModuleTable table;
    table.Add("user32",
              {"CallWindowProcA", "GetCapture", "GetCursorPos", "GetWindowLongA", "LoadCursorA",
               "ReleaseCapture", "SetCapture", "SetCursor", "SetWindowLongA", "TrackMouseEvent",
               "WindowFromPoint"},
              true);
    table.Add("comctl32", {"_TrackMouseEvent"}, false);
    return table;
}

void ModuleTable::Add(std::string_view name, std::vector<std::string> exports, bool loaded) {
    Module module{CanonicalName(name), std::move(exports), 0, loaded, 0};
    if (const std::ptrdiff_t i = IndexOf(name); i >= 0) {
        module.handle = modules_[i].handle;
        modules_[i] = std::move(module);
        return;
    }
    module.handle = next_handle_;
    next_handle_ = next_handle_ > std::numeric_limits<ModuleHandle>::max() - kHandleStep
                       ? next_handle_
                       : next_handle_ + kHandleStep;
    modules_.push_back(std::move(module));
}

void ModuleTable::Remove(std::string_view name) {
    const std::string canonical = CanonicalName(name);
    std::erase_if(modules_, [&](const Module& m) { return m.name == canonical; });
}

ModuleHandle ModuleTable::GetModuleHandleA(std::string_view name) const {
    const std::ptrdiff_t i = IndexOf(name);
    return i >= 0 && IsLoaded(modules_[i]) ? modules_[i].handle : 0;
}

ModuleHandle ModuleTable::LoadLibraryA(std::string_view name) {
    const std::ptrdiff_t i = IndexOf(name);
    if (i < 0) {
        return 0;
    }
    ++modules_[i].references;
    return modules_[i].handle;
}

FunctionAddress ModuleTable::GetProcAddress(ModuleHandle handle, std::string_view function) const {
    const std::ptrdiff_t i = IndexOf(handle);
    if (i < 0 || !IsLoaded(modules_[i])) {
        return 0;
    }
    const std::vector<std::string>& exports = modules_[i].exports;
    const auto it = std::find(exports.begin(), exports.end(), function);
    if (it == exports.end()) {
        return 0;
    }
    return handle + 0x1000 + static_cast<FunctionAddress>(it - exports.begin());
}

bool ModuleTable::FreeLibrary(ModuleHandle handle) {
    const std::ptrdiff_t i = IndexOf(handle);
    if (i < 0 || modules_[i].references == 0) {
        return false;
    }
    --modules_[i].references;
    return true;
}

std::ptrdiff_t ModuleTable::IndexOf(std::string_view name) const {
    const std::string canonical = CanonicalName(name);
    const auto it = std::find_if(modules_.begin(), modules_.end(),
                                 [&](const Module& m) { return m.name == canonical; });
    return it == modules_.end() ? -1 : it - modules_.begin();
}

std::ptrdiff_t ModuleTable::IndexOf(ModuleHandle handle) const {
    const auto it = std::find_if(modules_.begin(), modules_.end(),
                                 [&](const Module& m) { return m.handle == handle; });
    return handle == 0 || it == modules_.end() ? -1 : it - modules_.begin();
}

} // namespace lumio
