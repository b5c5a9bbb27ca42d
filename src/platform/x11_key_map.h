#pragma once

#include "platform/key_names.h"

#include <cstdint>

namespace lumio {

// What a hot key is on X11: the keysym of its key and the core modifier mask of its
// modifiers. Plain numbers, so the tables are tested without an X server.

// The keysym of a virtual-key code (letters as their lower-case keysym); 0 for a code
// X11 has no key for.
std::uint32_t X11KeysymFor(std::uint32_t virtualKey);

// Shift 1, Control 4, Mod1 (Alt) 8, Mod4 (Super) 64.
std::uint16_t X11ModifierMask(std::uint32_t modifiers);

// The lock modifiers a passive grab must also be made with, so the key works whatever
// Caps Lock and Num Lock are: {0, Lock, NumLock, Lock|NumLock}.
inline constexpr std::uint16_t kX11LockMask = 0x2;
inline constexpr std::uint16_t kX11DefaultNumLockMask = 0x10; // Mod2 on most keymaps

struct X11LockVariants {
    std::uint16_t masks[4];
};
X11LockVariants X11LockVariantsFor(std::uint16_t numLockMask);

// Whether a key event's state is the hot key's modifiers, lock modifiers aside.
bool X11StateMatches(std::uint16_t state, std::uint16_t wanted, std::uint16_t numLockMask);

} // namespace lumio
