#pragma once

#include <cstdint>

namespace lumio {

// A message as every window procedure sees it: all four values are 32 bits, as on the
// platform whose behaviour we keep; the message numbers are the platform's own, so the
// host, the controls and the hooks agree on them without a translation table.
using WindowHandle = std::int32_t; // 0 is "no window"
using MessageNumber = std::int32_t;
using WParam = std::int32_t;
using LParam = std::int32_t;
using MessageResult = std::int32_t;

inline constexpr MessageNumber WM_NULL = 0;
inline constexpr MessageNumber WM_CREATE = 1;
inline constexpr MessageNumber WM_DESTROY = 2;
inline constexpr MessageNumber WM_MOVE = 3;
inline constexpr MessageNumber WM_SIZE = 5;
inline constexpr MessageNumber WM_ACTIVATE = 6;
inline constexpr MessageNumber WM_SETFOCUS = 7;
inline constexpr MessageNumber WM_KILLFOCUS = 8;
inline constexpr MessageNumber WM_ENABLE = 10;
inline constexpr MessageNumber WM_PAINT = 15;
inline constexpr MessageNumber WM_CLOSE = 16;
inline constexpr MessageNumber WM_SETCURSOR = 32;
inline constexpr MessageNumber WM_MOUSEACTIVATE = 33;
inline constexpr MessageNumber WM_NCHITTEST = 132;
inline constexpr MessageNumber WM_NCACTIVATE = 134;
inline constexpr MessageNumber WM_KEYDOWN = 256;
inline constexpr MessageNumber WM_KEYUP = 257;
inline constexpr MessageNumber WM_CHAR = 258;
inline constexpr MessageNumber WM_SYSKEYDOWN = 260;
inline constexpr MessageNumber WM_SYSKEYUP = 261;
inline constexpr MessageNumber WM_SYSCHAR = 262;
inline constexpr MessageNumber WM_TIMER = 275;
inline constexpr MessageNumber WM_MOUSEMOVE = 512;
inline constexpr MessageNumber WM_LBUTTONDOWN = 513;
inline constexpr MessageNumber WM_LBUTTONUP = 514;
inline constexpr MessageNumber WM_LBUTTONDBLCLK = 515;
inline constexpr MessageNumber WM_RBUTTONDOWN = 516;
inline constexpr MessageNumber WM_RBUTTONUP = 517;
inline constexpr MessageNumber WM_RBUTTONDBLCLK = 518;
inline constexpr MessageNumber WM_MBUTTONDOWN = 519;
inline constexpr MessageNumber WM_MBUTTONUP = 520;
inline constexpr MessageNumber WM_MBUTTONDBLCLK = 521;
inline constexpr MessageNumber WM_MOUSEWHEEL = 522;
inline constexpr MessageNumber WM_CAPTURECHANGED = 533;
inline constexpr MessageNumber WM_DROPFILES = 563;
inline constexpr MessageNumber WM_MOUSELEAVE = 675;
inline constexpr MessageNumber WM_USER = 1024;

// WM_NCHITTEST results.
inline constexpr MessageResult HTERROR = -2;
inline constexpr MessageResult HTTRANSPARENT = -1;
inline constexpr MessageResult HTNOWHERE = 0;
inline constexpr MessageResult HTCLIENT = 1;
inline constexpr MessageResult HTCAPTION = 2;

// WM_ACTIVATE's low word.
inline constexpr WParam WA_INACTIVE = 0;
inline constexpr WParam WA_ACTIVE = 1;
inline constexpr WParam WA_CLICKACTIVE = 2;

// Mouse messages' wParam: buttons and modifier keys held.
inline constexpr WParam MK_LBUTTON = 0x01;
inline constexpr WParam MK_RBUTTON = 0x02;
inline constexpr WParam MK_SHIFT = 0x04;
inline constexpr WParam MK_CONTROL = 0x08;
inline constexpr WParam MK_MBUTTON = 0x10;

// Virtual key codes of the keys the controls handle.
inline constexpr WParam VK_TAB = 9;
inline constexpr WParam VK_RETURN = 13;
inline constexpr WParam VK_SHIFT = 16;
inline constexpr WParam VK_CONTROL = 17;
inline constexpr WParam VK_MENU = 18;
inline constexpr WParam VK_ESCAPE = 27;
inline constexpr WParam VK_SPACE = 32;
inline constexpr WParam VK_LEFT = 37;
inline constexpr WParam VK_UP = 38;
inline constexpr WParam VK_RIGHT = 39;
inline constexpr WParam VK_DOWN = 40;

// Two 16-bit halves in one 32-bit parameter (a point in client coordinates, a state
// and a flag). The high half is taken as signed, so negative coordinates survive.
constexpr LParam MakeLParam(std::int32_t low, std::int32_t high) {
    return static_cast<LParam>((static_cast<std::uint32_t>(high) << 16) |
                               (static_cast<std::uint32_t>(low) & 0xFFFFu));
}

constexpr std::int32_t LowWord(std::int32_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) & 0xFFFFu);
}

constexpr std::int32_t HighWord(std::int32_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value) >> 16);
}

// The x and y of a mouse message's lParam, sign-extended from 16 bits.
constexpr std::int32_t XFromLParam(LParam value) {
    return static_cast<std::int16_t>(LowWord(value));
}

constexpr std::int32_t YFromLParam(LParam value) {
    return static_cast<std::int16_t>(HighWord(value));
}

} // namespace lumio
