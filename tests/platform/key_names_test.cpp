#include "platform/key_names.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

TEST(ParseHotKey, KeysAndModifiers) {
    struct Case {
        const char* text;
        std::uint32_t modifiers;
        std::uint32_t key;
        const char* name; // as HotKeyName gives it back
    };
    const Case cases[] = {
        {"ctrl+alt+h", MOD_CONTROL | MOD_ALT, 'H', "Ctrl+Alt+H"},
        {"CTRL+ALT+H", MOD_CONTROL | MOD_ALT, 'H', "Ctrl+Alt+H"},
        {"alt+ctrl+h", MOD_CONTROL | MOD_ALT, 'H', "Ctrl+Alt+H"}, // any order of modifiers
        {"ctrl+shift+F12", MOD_CONTROL | MOD_SHIFT, 0x7B, "Ctrl+Shift+F12"},
        {"ctrl+f1", MOD_CONTROL, 0x70, "Ctrl+F1"},
        {"f24", 0, 0x87, "F24"},
        {"alt+grave", MOD_ALT, 0xC0, "Alt+Grave"},
        {"Control+Space", MOD_CONTROL, 0x20, "Ctrl+Space"},
        {"super+z", MOD_WIN, 'Z', "Win+Z"},
        {"win+shift+0", MOD_WIN | MOD_SHIFT, '0', "Shift+Win+0"},
        {"ctrl+alt+shift+win+9", MOD_CONTROL | MOD_ALT | MOD_SHIFT | MOD_WIN, '9',
         "Ctrl+Alt+Shift+Win+9"},
        {"ctrl+esc", MOD_CONTROL, 0x1B, "Ctrl+Escape"},
        {"ctrl+pagedown", MOD_CONTROL, 0x22, "Ctrl+PageDown"},
        {"alt+kp_5", MOD_ALT, 0x65, "Alt+KP_5"},
        {"a", 0, 'A', "A"},
    };
    for (const Case& c : cases) {
        const HotKeyParse p = ParseHotKey(c.text);
        ASSERT_TRUE(p.key.has_value()) << c.text << ": " << p.error;
        EXPECT_TRUE(p.error.empty()) << c.text;
        EXPECT_EQ(p.key->modifiers, c.modifiers) << c.text;
        EXPECT_EQ(p.key->virtualKey, c.key) << c.text;
        EXPECT_EQ(HotKeyName(*p.key), c.name) << c.text;
        // The shown name reads back as the same key.
        EXPECT_EQ(ParseHotKey(HotKeyName(*p.key)).key, p.key) << c.text;
    }
}

TEST(ParseHotKey, ClearErrors) {
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"", "no key given"},
        {"ctrl+alt", "no key after the modifiers in 'ctrl+alt'"},
        {"shift", "no key after the modifiers in 'shift'"},
        {"ctrl+hyper+h", "unknown key name 'hyper' in 'ctrl+hyper+h'"},
        {"ctrl+F0", "unknown key name 'F0' in 'ctrl+F0'"},
        {"ctrl+F25", "unknown key name 'F25' in 'ctrl+F25'"},
        {"ctrl+F012", "unknown key name 'F012' in 'ctrl+F012'"},
        {"ctrl+é", "unknown key name 'é' in 'ctrl+é'"},
        {"ctrl++h", "an empty name in 'ctrl++h'"},
        {"ctrl+h+", "an empty name in 'ctrl+h+'"},
        {"+h", "an empty name in '+h'"},
        {"ctrl+ctrl+h", "'ctrl' twice in 'ctrl+ctrl+h'"},
        {"ctrl+control+h", "'control' twice in 'ctrl+control+h'"},
        {"h+ctrl", "more than one key in 'h+ctrl' (the key comes last)"},
        {"ctrl+a+b", "more than one key in 'ctrl+a+b' (the key comes last)"},
        {"ctrl alt h", "unknown key name 'ctrl alt h' in 'ctrl alt h'"},
    };
    for (const Case& c : cases) {
        const HotKeyParse p = ParseHotKey(c.text);
        EXPECT_FALSE(p.key.has_value()) << c.text;
        EXPECT_EQ(p.error, c.error) << c.text;
    }
}

TEST(HotKeyName, CodesWithoutANameShowInHex) {
    EXPECT_EQ(HotKeyName({MOD_CONTROL, 0xFF}), "Ctrl+0xFF");
    EXPECT_EQ(HotKeyName({0, 0x5B}), "0x5B");
    EXPECT_EQ(HotKeyName({0, 0}), "0x0");
}

TEST(KnownKeyNames, EveryListedNameParses) {
    const std::string names = KnownKeyNames();
    std::size_t from = names.find("F1..F24, ");
    ASSERT_NE(from, std::string::npos);
    from += 9;
    int count = 0;
    while (from < names.size()) {
        const std::size_t comma = names.find(", ", from);
        const std::string name =
            names.substr(from, comma == std::string::npos ? names.npos : comma - from);
        EXPECT_TRUE(ParseHotKey("ctrl+" + name).key.has_value()) << name;
        ++count;
        from = comma == std::string::npos ? names.size() : comma + 2;
    }
    EXPECT_GT(count, 30);
}

} // namespace
} // namespace lumio
