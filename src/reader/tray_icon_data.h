#pragma once

#include "reader/window_services.h"

#include <cstdint>
#include <string>

namespace lumio {

// Shell_NotifyIcon commands.
inline constexpr std::int32_t NIM_ADD = 0;
inline constexpr std::int32_t NIM_DELETE = 2;

// Which fields of the record count.
inline constexpr std::uint32_t NIF_MESSAGE = 0x01;
inline constexpr std::uint32_t NIF_ICON = 0x02;
inline constexpr std::uint32_t NIF_TIP = 0x04;
inline constexpr std::uint32_t NIF_INFO = 0x10;
// The balloon's icon.
inline constexpr std::uint32_t NIIF_INFO = 0x1;

// The tray icon's record (the platform's 488-byte ANSI form with balloon fields). The
// strings are held as characters; each fits its byte field in code page 936 with its NUL.
struct TrayIconData {
    std::uint32_t cbSize = 0;
    WindowHandle hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    IconHandle hIcon = 0;
    std::u16string szTip; // 64 bytes; unused here (no NIF_TIP)
    std::uint32_t dwState = 0;
    std::uint32_t dwStateMask = 0;
    std::u16string szInfo; // 256 bytes
    std::uint32_t uTimeout = 0;
    std::u16string szInfoTitle; // 64 bytes
    std::uint32_t dwInfoFlags = 0;

    friend bool operator==(const TrayIconData&, const TrayIconData&) = default;
};

inline constexpr std::size_t kTipBytes = 64;
inline constexpr std::size_t kInfoBytes = 256;
inline constexpr std::size_t kInfoTitleBytes = 64;

// The bytes a string takes in a code page 936 field: one per ASCII character, two per
// other character of the Basic Multilingual Plane.
std::size_t Cp936FieldBytes(std::u16string_view text);

// The notification area: adds and removes icons, shows their balloons, and reports the
// mouse over an icon to the record's window as its callback message.
class NotifyArea {
public:
    virtual ~NotifyArea() = default;
    virtual bool Shell_NotifyIcon(std::int32_t message, const TrayIconData& data) = 0;
};

} // namespace lumio
