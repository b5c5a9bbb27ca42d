#include "platform/x11_key_map.h"

namespace lumio {

namespace {

struct KeyPair {
    std::uint32_t virtualKey;
    std::uint32_t keysym;
};

// Keys whose keysym is not a plain offset of their code.
constexpr KeyPair kPairs[] = {
    {0x20, 0x0020}, // space
    {0x1B, 0xFF1B}, // Escape
    {0x09, 0xFF09}, // Tab
    {0x0D, 0xFF0D}, // Return
    {0x08, 0xFF08}, // BackSpace
    {0x2D, 0xFF63}, // Insert
    {0x2E, 0xFFFF}, // Delete
    {0x24, 0xFF50}, // Home
    {0x23, 0xFF57}, // End
    {0x21, 0xFF55}, // Prior
    {0x22, 0xFF56}, // Next
    {0x25, 0xFF51}, // Left
    {0x26, 0xFF52}, // Up
    {0x27, 0xFF53}, // Right
    {0x28, 0xFF54}, // Down
    {0x13, 0xFF13}, // Pause
    {0x2C, 0xFF61}, // Print
    {0x91, 0xFF14}, // Scroll_Lock
    {0xC0, 0x0060}, // grave
    {0xBD, 0x002D}, // minus
    {0xBB, 0x003D}, // equal
    {0xBC, 0x002C}, // comma
    {0xBE, 0x002E}, // period
    {0xBA, 0x003B}, // semicolon
    {0xBF, 0x002F}, // slash
    {0xDB, 0x005B}, // bracketleft
    {0xDC, 0x005C}, // backslash
    {0xDD, 0x005D}, // bracketright
    {0xDE, 0x0027}, // apostrophe
    {0x6A, 0xFFAA}, // KP_Multiply
    {0x6B, 0xFFAB}, // KP_Add
    {0x6D, 0xFFAD}, // KP_Subtract
    {0x6E, 0xFFAE}, // KP_Decimal
    {0x6F, 0xFFAF}, // KP_Divide
};

struct Range {
    std::uint32_t firstKey;
    std::uint32_t lastKey;
    std::uint32_t firstKeysym;
};

constexpr Range kRanges[] = {
    {'A', 'Z', 'a'},      // letters: their lower-case keysym
    {'0', '9', '0'},      // digits
    {0x70, 0x87, 0xFFBE}, // F1..F24
    {0x60, 0x69, 0xFFB0}, // KP_0..KP_9
};

struct ModifierPair {
    std::uint32_t modifier;
    std::uint16_t mask;
};

constexpr ModifierPair kModifiers[] = {
    {MOD_SHIFT, 0x1}, {MOD_CONTROL, 0x4}, {MOD_ALT, 0x8}, {MOD_WIN, 0x40}};

} // namespace

std::uint32_t X11KeysymFor(std::uint32_t virtualKey) {
    for (const Range& r : kRanges) {
        if (virtualKey >= r.firstKey && virtualKey <= r.lastKey) {
            return r.firstKeysym + (virtualKey - r.firstKey);
        }
    }
    for (const KeyPair& p : kPairs) {
        if (p.virtualKey == virtualKey) {
            return p.keysym;
        }
    }
    return 0;
}

std::uint16_t X11ModifierMask(std::uint32_t modifiers) {
    std::uint16_t mask = 0;
    for (const ModifierPair& m : kModifiers) {
        if ((modifiers & m.modifier) != 0) {
            mask = static_cast<std::uint16_t>(mask | m.mask);
        }
    }
    return mask;
}

X11LockVariants X11LockVariantsFor(std::uint16_t numLockMask) {
    return {{0, kX11LockMask, numLockMask, static_cast<std::uint16_t>(kX11LockMask | numLockMask)}};
}

bool X11StateMatches(std::uint16_t state, std::uint16_t wanted, std::uint16_t numLockMask) {
    // Only the eight modifier bits count; the button bits above them do not.
    const auto ignored = static_cast<std::uint16_t>(kX11LockMask | numLockMask | 0xFF00);
    return static_cast<std::uint16_t>(state & ~ignored) == wanted;
}

} // namespace lumio
