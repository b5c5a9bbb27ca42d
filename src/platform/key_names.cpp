#include "platform/key_names.h"

#include "platform/ascii.h"

#include <array>
#include <vector>

namespace lumio {

namespace {

struct ModifierName {
    std::string_view name;
    std::uint32_t bit;
};

// In the order a key's name lists them.
constexpr std::array<ModifierName, 6> kModifiers = {{{"ctrl", MOD_CONTROL},
                                                     {"control", MOD_CONTROL},
                                                     {"alt", MOD_ALT},
                                                     {"shift", MOD_SHIFT},
                                                     {"win", MOD_WIN},
                                                     {"super", MOD_WIN}}};

constexpr std::array<ModifierName, 4> kModifierDisplay = {
    {{"Ctrl", MOD_CONTROL}, {"Alt", MOD_ALT}, {"Shift", MOD_SHIFT}, {"Win", MOD_WIN}}};

struct KeyName {
    std::string_view name; // the first name of a code is the one shown
    std::uint32_t code;
};

// Keys with a name of their own; letters, digits and F1..F24 are made up below.
constexpr KeyName kNamedKeys[] = {
    {"Space", 0x20},      {"Escape", 0x1B},      {"Esc", 0x1B},        {"Tab", 0x09},
    {"Return", 0x0D},     {"Enter", 0x0D},       {"Backspace", 0x08},  {"Insert", 0x2D},
    {"Delete", 0x2E},     {"Home", 0x24},        {"End", 0x23},        {"PageUp", 0x21},
    {"Prior", 0x21},      {"PageDown", 0x22},    {"Next", 0x22},       {"Left", 0x25},
    {"Up", 0x26},         {"Right", 0x27},       {"Down", 0x28},       {"Pause", 0x13},
    {"Print", 0x2C},      {"ScrollLock", 0x91},  {"Grave", 0xC0},      {"Minus", 0xBD},
    {"Equal", 0xBB},      {"Comma", 0xBC},       {"Period", 0xBE},     {"Semicolon", 0xBA},
    {"Slash", 0xBF},      {"BracketLeft", 0xDB}, {"Backslash", 0xDC},  {"BracketRight", 0xDD},
    {"Apostrophe", 0xDE}, {"KP_0", 0x60},        {"KP_1", 0x61},       {"KP_2", 0x62},
    {"KP_3", 0x63},       {"KP_4", 0x64},        {"KP_5", 0x65},       {"KP_6", 0x66},
    {"KP_7", 0x67},       {"KP_8", 0x68},        {"KP_9", 0x69},       {"KP_Multiply", 0x6A},
    {"KP_Add", 0x6B},     {"KP_Subtract", 0x6D}, {"KP_Decimal", 0x6E}, {"KP_Divide", 0x6F},
};

constexpr std::uint32_t kVkF1 = 0x70;
constexpr int kFunctionKeys = 24;

bool AllDigits(std::string_view s) {
    if (s.empty()) {
        return false;
    }
    for (char c : s) {
        if (c < '0' || c > '9') {
            return false;
        }
    }
    return true;
}

// The code of a key name, or 0.
std::uint32_t KeyCode(std::string_view name) {
    if (name.size() == 1) {
        const char c = AsciiLower(name[0]);
        if (c >= 'a' && c <= 'z') {
            return static_cast<std::uint32_t>('A' + (c - 'a'));
        }
        if (c >= '0' && c <= '9') {
            return static_cast<std::uint32_t>(c);
        }
    }
    if (name.size() >= 2 && name.size() <= 3 && AsciiLower(name[0]) == 'f' &&
        AllDigits(name.substr(1)) && name[1] != '0') {
        const int n = std::stoi(std::string(name.substr(1)));
        if (n >= 1 && n <= kFunctionKeys) {
            return kVkF1 + static_cast<std::uint32_t>(n - 1);
        }
    }
    for (const KeyName& k : kNamedKeys) {
        if (EqualsIgnoringAsciiCase(k.name, name)) {
            return k.code;
        }
    }
    return 0;
}

std::uint32_t ModifierBit(std::string_view name) {
    for (const ModifierName& m : kModifiers) {
        if (EqualsIgnoringAsciiCase(m.name, name)) {
            return m.bit;
        }
    }
    return 0;
}

std::vector<std::string_view> SplitAtPlus(std::string_view text) {
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t plus = text.find('+', from);
        parts.push_back(
            text.substr(from, plus == std::string_view::npos ? text.npos : plus - from));
        if (plus == std::string_view::npos) {
            return parts;
        }
        from = plus + 1;
    }
}

std::string KeyDisplayName(std::uint32_t code) {
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) {
        return std::string(1, static_cast<char>(code));
    }
    if (code >= kVkF1 && code < kVkF1 + kFunctionKeys) {
        return "F" + std::to_string(code - kVkF1 + 1);
    }
    for (const KeyName& k : kNamedKeys) {
        if (k.code == code) {
            return std::string(k.name);
        }
    }
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string hex;
    for (std::uint32_t rest = code; hex.empty() || rest != 0; rest >>= 4) {
        hex.insert(hex.begin(), kHex[rest & 0xF]);
    }
    return "0x" + hex;
}

} // namespace

HotKeyParse ParseHotKey(std::string_view text) {
    const std::string quoted = "'" + std::string(text) + "'";
    if (text.empty()) {
        return {std::nullopt, "no key given"};
    }
    const std::vector<std::string_view> parts = SplitAtPlus(text);
    for (std::string_view part : parts) {
        if (part.empty()) {
            return {std::nullopt, "an empty name in " + quoted};
        }
    }
    HotKey key;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const std::string_view part = parts[i];
        const bool last = i + 1 == parts.size();
        if (const std::uint32_t bit = ModifierBit(part)) {
            if (last) {
                return {std::nullopt, "no key after the modifiers in " + quoted};
            }
            if ((key.modifiers & bit) != 0) {
                return {std::nullopt, "'" + std::string(part) + "' twice in " + quoted};
            }
            key.modifiers |= bit;
            continue;
        }
        const std::uint32_t code = KeyCode(part);
        if (code == 0) {
            return {std::nullopt, "unknown key name '" + std::string(part) + "' in " + quoted};
        }
        if (!last) {
            return {std::nullopt, "more than one key in " + quoted + " (the key comes last)"};
        }
        key.virtualKey = code;
    }
    return {key, {}};
}

std::string HotKeyName(const HotKey& key) {
    std::string name;
    for (const ModifierName& m : kModifierDisplay) {
        if ((key.modifiers & m.bit) != 0) {
            name += std::string(m.name) + "+";
        }
    }
    return name + KeyDisplayName(key.virtualKey);
}

std::string KnownKeyNames() {
    std::string names = "A..Z, 0..9, F1..F24";
    for (const KeyName& k : kNamedKeys) {
        names += ", " + std::string(k.name);
    }
    return names;
}

} // namespace lumio
