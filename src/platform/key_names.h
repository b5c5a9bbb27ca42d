#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumio {

// Modifier bits and key numbers are the platform's own (RegisterHotKey's MOD_* bits and
// the virtual-key codes), so a Windows front end passes them on unchanged and the X11
// side maps them to keysyms.
inline constexpr std::uint32_t MOD_ALT = 0x1;
inline constexpr std::uint32_t MOD_CONTROL = 0x2;
inline constexpr std::uint32_t MOD_SHIFT = 0x4;
inline constexpr std::uint32_t MOD_WIN = 0x8;

// A key with the modifiers held with it, such as Ctrl+Alt+H.
struct HotKey {
    std::uint32_t modifiers = 0;  // MOD_* bits
    std::uint32_t virtualKey = 0; // VK_* code

    friend bool operator==(const HotKey&, const HotKey&) = default;
};

struct HotKeyParse {
    std::optional<HotKey> key;
    std::string error; // when there is no key: what was wrong
};

// Reads "ctrl+alt+h", "ctrl+shift+F12", "alt+grave", ...: modifiers (ctrl, alt, shift,
// win or super) and exactly one key, joined by '+', in any ASCII case. Each modifier at
// most once; the key comes last.
HotKeyParse ParseHotKey(std::string_view text);

// The key as a user reads it: "Ctrl+Alt+H", "Ctrl+Shift+F12".
std::string HotKeyName(const HotKey& key);

// The names the parser knows for keys (not modifiers), for help texts.
std::string KnownKeyNames();

} // namespace lumio
