#pragma once

#include "platform/color.h"
#include "platform/messages.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace lumio {

// What the reader window's load step, unload step and window commands ask of the
// desktop, as small interfaces: the desktop program implements them with Qt, the tests
// with recorders. Numbers are the platform's own, so a recorded call reads like the
// call it stands for.

using IconHandle = std::int32_t; // 0 is "no icon"

// SetWindowPos: insert-after values and flags.
inline constexpr std::int32_t HWND_TOPMOST = -1;
inline constexpr std::int32_t HWND_NOTOPMOST = -2;
inline constexpr std::uint32_t SWP_NOSIZE = 0x1;
inline constexpr std::uint32_t SWP_NOMOVE = 0x2;

// The extended-style bit of a window that draws through a colour key or alpha, and
// SetLayeredWindowAttributes' flag for "colour key only".
inline constexpr std::int32_t WS_EX_LAYERED = 0x80000;
inline constexpr std::uint32_t LWA_COLORKEY = 0x1;

inline constexpr std::int32_t kBorderStyleNone = 0;
inline constexpr std::int32_t kOleDropManual = 1;
inline constexpr std::int32_t SW_SHOW = 5;

// The reader window's own top-level window.
class FormWindow {
public:
    virtual ~FormWindow() = default;

    virtual WindowHandle hWnd() const = 0;
    virtual void SetBackColor(OleColor color) = 0;
    virtual void SetBorderStyle(std::int32_t style) = 0;
    virtual std::int32_t GetExtendedStyle() const = 0;
    virtual void SetExtendedStyle(std::int32_t style) = 0;
    // With LWA_COLORKEY every pixel of exactly `key` is invisible and lets the mouse
    // through; every other pixel is opaque.
    virtual void SetLayeredWindowAttributes(OleColor key, std::uint8_t alpha,
                                            std::uint32_t flags) = 0;
    // Z-order only here: the callers always pass SWP_NOMOVE | SWP_NOSIZE.
    virtual void SetWindowPos(std::int32_t insertAfter, std::uint32_t flags) = 0;
    virtual void Show() = 0;
    virtual void Hide() = 0;
    virtual void SetIcon(IconHandle icon) = 0;
    // Closes the window; the unload step runs on the way out.
    virtual void Unload() = 0;
};

// A window or control that takes dropped files once its drop mode is manual.
class DropTarget {
public:
    virtual ~DropTarget() = default;
    virtual void SetOLEDropMode(std::int32_t mode) = 0;
};

// A slider as the program (not the user) sets it: no Click, no Scroll.
class SliderSetter {
public:
    virtual ~SliderSetter() = default;
    virtual void SetValue(std::int32_t value) = 0;
};

// A button whose caption and tool tip the window commands change.
class CaptionedButton {
public:
    virtual ~CaptionedButton() = default;
    virtual std::u16string Caption() const = 0;
    virtual void SetCaption(std::u16string caption) = 0;
    virtual void SetToolTipText(std::u16string text) = 0;
};

// The shell: opening a document or web address with the user's program for it.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void ShellExecute(WindowHandle owner, std::u16string_view operation,
                              std::u16string_view file, std::u16string_view parameters,
                              std::u16string_view directory, std::int32_t showCommand) = 0;
};

} // namespace lumio
