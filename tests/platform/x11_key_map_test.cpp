#include "platform/key_names.h"
#include "platform/x11_key_map.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

TEST(X11KeysymFor, KeysOfEveryKind) {
    struct Case {
        const char* key;
        std::uint32_t keysym;
    };
    const Case cases[] = {
        {"h", 0x68},          {"A", 0x61},           {"Z", 0x7A},         {"0", 0x30},
        {"9", 0x39},          {"F1", 0xFFBE},        {"F12", 0xFFC9},     {"F24", 0xFFD5},
        {"grave", 0x60},      {"space", 0x20},       {"escape", 0xFF1B},  {"return", 0xFF0D},
        {"delete", 0xFFFF},   {"insert", 0xFF63},    {"home", 0xFF50},    {"pageup", 0xFF55},
        {"pagedown", 0xFF56}, {"left", 0xFF51},      {"down", 0xFF54},    {"kp_0", 0xFFB0},
        {"kp_9", 0xFFB9},     {"kp_divide", 0xFFAF}, {"backslash", 0x5C}, {"apostrophe", 0x27},
    };
    for (const Case& c : cases) {
        const HotKeyParse p = ParseHotKey(c.key);
        ASSERT_TRUE(p.key) << c.key;
        EXPECT_EQ(X11KeysymFor(p.key->virtualKey), c.keysym) << c.key;
    }
    EXPECT_EQ(X11KeysymFor(0), 0u);
    EXPECT_EQ(X11KeysymFor(0xFF), 0u);
}

TEST(X11KeysymFor, EveryNamedKeyHasOne) {
    for (std::uint32_t code = 1; code < 0x100; ++code) {
        const HotKey key{0, code};
        const std::string name = HotKeyName(key);
        if (ParseHotKey(name).key == key) {
            EXPECT_NE(X11KeysymFor(code), 0u) << name;
        }
    }
}

TEST(X11ModifierMask, CoreMasks) {
    EXPECT_EQ(X11ModifierMask(0), 0);
    EXPECT_EQ(X11ModifierMask(MOD_SHIFT), 0x1);
    EXPECT_EQ(X11ModifierMask(MOD_CONTROL), 0x4);
    EXPECT_EQ(X11ModifierMask(MOD_ALT), 0x8);
    EXPECT_EQ(X11ModifierMask(MOD_WIN), 0x40);
    EXPECT_EQ(X11ModifierMask(MOD_CONTROL | MOD_ALT), 0xC);
}

TEST(X11LockVariants, AllFourLockStates) {
    const X11LockVariants v = X11LockVariantsFor(kX11DefaultNumLockMask);
    EXPECT_EQ(v.masks[0], 0);
    EXPECT_EQ(v.masks[1], 0x2);
    EXPECT_EQ(v.masks[2], 0x10);
    EXPECT_EQ(v.masks[3], 0x12);
}

TEST(X11StateMatches, LocksAndButtonsAsideExactModifiers) {
    const std::uint16_t ctrlAlt = 0xC;
    struct Case {
        std::uint16_t state;
        std::uint16_t numLock;
        bool matches;
    };
    const Case cases[] = {
        {0xC, 0x10, true},    {0xE, 0x10, true},  // Caps Lock on
        {0x1C, 0x10, true},   {0x1E, 0x10, true}, // Num Lock, both
        {0x10C, 0x10, true},                      // a mouse button held
        {0x200C, 0x10, true},                     // the second keyboard group
        {0xD, 0x10, false},                       // Shift as well
        {0x4, 0x10, false},   {0x8, 0x10, false}, // one modifier missing
        {0x4C, 0x10, false},                      // Super as well
        {0x2C, 0x20, true},                       // Num Lock on Mod3 on this keymap
        {0x1C, 0x20, false},                      // ... where Mod2 is a modifier like others
    };
    for (const Case& c : cases) {
        EXPECT_EQ(X11StateMatches(c.state, ctrlAlt, c.numLock), c.matches) << std::hex << c.state;
    }
}

} // namespace
} // namespace lumio
