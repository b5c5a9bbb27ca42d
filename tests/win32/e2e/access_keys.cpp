// A window with three qxbuttons in real child windows, as the reader window makes them,
// for the access keys that the reader's own captions do not mark: "&Go", "Sto&p" and
// "&Off" (disabled). Each Click is printed as "Click NAME"; the message loop routes an
// Alt+key press as lumio.exe's does.
// Usage: lumio_access_keys
// clang-format off
#include "win32/button_window.h"
#include "win32/win_fonts.h"
// clang-format on

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

int wmain() {
    using namespace lumio;
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSW type{};
    type.lpfnWndProc = Procedure;
    type.hInstance = instance;
    type.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    type.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    type.lpszClassName = L"LumioAccessKeys";
    ::RegisterClassW(&type);
    ButtonWindow::RegisterClass(instance);
    HWND parent = ::CreateWindowExW(0, type.lpszClassName, L"lumio-access-keys",
                                    WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 60, 300, 360, 120,
                                    nullptr, nullptr, instance, nullptr);

    WindowRegistry windows;
    WinDesktop desktop{windows};
    WinFonts fonts;
    GdiTextPainter text{fonts};
    const WindowHandle parentHandle =
        windows.Create(0, [](WindowHandle, MessageNumber, WParam, LParam) { return 0; });
    desktop.Register(parentHandle, parent);

    ButtonAmbient ambient;
    ambient.backColor = Rgb(236, 233, 216);
    ambient.font.name = u"Tahoma";
    ambient.font.size = 9;
    ambient.parentWindow = parentHandle;
    ambient.parent = parent;
    struct Made {
        const char* name;
        const char* caption;
        bool enabled;
    };
    const Made made[] = {{"Go", "&Go", true}, {"Stop", "Sto&p", true}, {"Off", "&Off", false}};
    std::vector<std::unique_ptr<ButtonWindow>> buttons;
    float left = 120;
    for (const Made& m : made) {
        const std::string name = m.name;
        auto b = std::make_unique<ButtonWindow>(std::u16string(name.begin(), name.end()), ambient,
                                                text, windows, desktop);
        b->Load(left, 120, 1200, 450,
                PropertyBag::Parse(
                    std::string("Caption = \"") + m.caption +
                        "\"\nButtonStyle = 3\nEnabled = " + (m.enabled ? "True" : "False") + "\n",
                    name));
        b->button().events.Click = [name] {
            std::printf("Click %s\n", name.c_str());
            std::fflush(stdout);
        };
        left += 1500;
        buttons.push_back(std::move(b));
    }
    ::ShowWindow(parent, SW_SHOW);

    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_SYSCHAR && RouteAccessKey(buttons, msg.wParam)) {
            continue;
        }
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    buttons.clear();
    desktop.Unregister(parentHandle);
    return 0;
}
