#include "win32/win_display_scale.h"

namespace lumio {

namespace {

// The per-monitor services are looked up, not linked: a program that names them does
// not start at all on a system without them.
template <typename F>
F User32(const char* name) {
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    return user32 ? reinterpret_cast<F>(reinterpret_cast<void*>(::GetProcAddress(user32, name)))
                  : nullptr;
}

using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetDpiForSystemFn = UINT(WINAPI*)();
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
using SystemParametersInfoForDpiFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
using LoadIconWithScaleDownFn = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*);

DisplayScale ScreenScale() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = screen ? ::GetDeviceCaps(screen, LOGPIXELSY) : DisplayScale::kBaseDpi;
    if (screen) {
        ::ReleaseDC(nullptr, screen);
    }
    return DisplayScale(dpi);
}

} // namespace

DisplayScale WindowScale(HWND window) {
    static const auto forWindow = User32<GetDpiForWindowFn>("GetDpiForWindow");
    if (forWindow && window) {
        const UINT dpi = forWindow(window);
        if (dpi != 0) {
            return DisplayScale(static_cast<std::int32_t>(dpi));
        }
    }
    return ScreenScale();
}

DisplayScale SystemScale() {
    static const auto forSystem = User32<GetDpiForSystemFn>("GetDpiForSystem");
    return forSystem ? DisplayScale(static_cast<std::int32_t>(forSystem())) : ScreenScale();
}

DisplayScale ScaleFromDpiChanged(WPARAM wParam) {
    // Both words carry the same value; the vertical one sizes fonts.
    return DisplayScale(HIWORD(wParam));
}

int SystemMetricFor(int index, DisplayScale scale) {
    static const auto forDpi = User32<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (forDpi) {
        return forDpi(index, static_cast<UINT>(scale.dpi()));
    }
    const DisplayScale system = SystemScale();
    return ::MulDiv(::GetSystemMetrics(index), scale.dpi(), system.dpi());
}

HFONT CreateToolTipFont(DisplayScale scale) {
    static const auto forDpi = User32<SystemParametersInfoForDpiFn>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0,
                         static_cast<UINT>(scale.dpi()))) {
        return ::CreateFontIndirectW(&metrics.lfStatusFont);
    }
    if (!::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        return nullptr;
    }
    // The system's metrics are for its own resolution.
    metrics.lfStatusFont.lfHeight =
        ::MulDiv(metrics.lfStatusFont.lfHeight, scale.dpi(), SystemScale().dpi());
    return ::CreateFontIndirectW(&metrics.lfStatusFont);
}

HICON LoadIconForScale(HINSTANCE instance, int resource, int sizeMetric, DisplayScale scale) {
    const int side = SystemMetricFor(sizeMetric, scale);
    const HMODULE comctl32 = ::GetModuleHandleW(L"comctl32.dll");
    const auto scaleDown =
        comctl32 ? reinterpret_cast<LoadIconWithScaleDownFn>(
                       reinterpret_cast<void*>(::GetProcAddress(comctl32, "LoadIconWithScaleDown")))
                 : nullptr;
    HICON icon = nullptr;
    if (scaleDown &&
        SUCCEEDED(scaleDown(instance, MAKEINTRESOURCEW(resource), side, side, &icon)) && icon) {
        return icon;
    }
    return static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(resource), IMAGE_ICON, side,
                                           side, LR_DEFAULTCOLOR));
}

} // namespace lumio
