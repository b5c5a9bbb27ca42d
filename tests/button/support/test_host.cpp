#include "button/support/test_host.h"

#include "platform/errors.h"
#include "platform/numeric.h"
#include "platform/palette.h"

namespace lumio::testing {

namespace {

std::int16_t ButtonsHeld(WParam keys) {
    return static_cast<std::int16_t>(((keys & MK_LBUTTON) ? 1 : 0) | ((keys & MK_RBUTTON) ? 2 : 0) |
                                     ((keys & MK_MBUTTON) ? 4 : 0));
}

std::int16_t ShiftHeld(WParam keys) {
    return static_cast<std::int16_t>(((keys & MK_SHIFT) ? 1 : 0) | ((keys & MK_CONTROL) ? 2 : 0));
}

} // namespace

TestHost::TestHost(float widthTwips, float heightTwips)
    : ownDesk(std::make_unique<TestDesk>()), desk(ownDesk.get()), width_(widthTwips),
      height_(heightTwips) {
    parentWindow = desk->windows.Create(0, nullptr);
    CreateWindow();
}

TestHost::TestHost(TestDesk& sharedDesk, WindowHandle parentWindow_, float widthTwips,
                   float heightTwips)
    : desk(&sharedDesk), parentWindow(parentWindow_), width_(widthTwips), height_(heightTwips) {
    CreateWindow();
}

TestHost::~TestHost() {
    desk->windows.Destroy(window);
    if (ownDesk) {
        desk->windows.Destroy(parentWindow);
    }
}

void TestHost::CreateWindow() {
    window = desk->windows.Create(
        parentWindow, [this](WindowHandle, MessageNumber message, WParam wParam, LParam lParam) {
            return OwnProcedure(message, wParam, lParam);
        });
    parent["hWnd"] = parentWindow;
    parent["MDIChild"] = 0;
    ResizeSurface();
    surface_.set_back_color(TranslateColor(ambientBackColor));
}

MessageResult TestHost::OwnProcedure(MessageNumber message, WParam wParam, LParam lParam) {
    if (control == nullptr) {
        return 0;
    }
    FakeDesktop& fake = desk->desktop;
    const auto x = static_cast<float>(XFromLParam(lParam));
    const auto y = static_cast<float>(YFromLParam(lParam));
    const std::int16_t shift = ShiftHeld(wParam);
    const auto press = [&](std::int16_t button) {
        fake.SetCapture(window);
        control->MouseDown(button, shift, x, y);
    };
    const auto release = [&](std::int16_t button) {
        control->MouseUp(button, shift, x, y);
        if (fake.GetCapture() == window) {
            fake.ReleaseCapture();
        }
    };
    switch (message) {
    case WM_MOUSEMOVE:
        control->MouseMove(ButtonsHeld(wParam), shift, x, y);
        break;
    case WM_LBUTTONDOWN:
        press(1);
        break;
    case WM_RBUTTONDOWN:
        press(2);
        break;
    case WM_MBUTTONDOWN:
        press(4);
        break;
    case WM_LBUTTONUP:
        release(1);
        break;
    case WM_RBUTTONUP:
        release(2);
        break;
    case WM_MBUTTONUP:
        release(4);
        break;
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        fake.SetCapture(window);
        control->DblClick();
        break;
    case WM_SETFOCUS:
        control->GotFocus();
        break;
    case WM_KILLFOCUS:
        control->LostFocus();
        break;
    case WM_KEYDOWN:
        control->KeyDown(static_cast<std::int16_t>(wParam), static_cast<std::int16_t>(lParam));
        break;
    case WM_KEYUP:
        control->KeyUp(static_cast<std::int16_t>(wParam), static_cast<std::int16_t>(lParam));
        break;
    default:
        break;
    }
    return 0;
}

void TestHost::SetSurfaceEnabled(bool enabled) {
    surfaceEnabled = enabled;
    if (Window* w = desk->windows.Find(window)) {
        w->set_enabled(enabled);
    }
    // As on the platform, a window that is disabled gives up the mouse capture.
    if (!enabled && desk->desktop.GetCapture() == window) {
        desk->desktop.ReleaseCapture();
    }
}

void TestHost::HandlerError(std::exception_ptr error) {
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        errors.emplace_back(e.what());
    } catch (...) {
        errors.emplace_back("unknown error");
    }
}

void TestHost::ResizeSurface() {
    surface_.Resize(RoundHalfEven(width_ / kTwipsPerPixel),
                    RoundHalfEven(height_ / kTwipsPerPixel));
}

void TestHost::SetWindowRgn(Region r, bool redraw) {
    log.push_back(redraw ? "SetWindowRgn" : "SetWindowRgn(no redraw)");
    region = std::move(r);
    ++regions;
}

void TestHost::SetWidth(float twips) {
    log.push_back("SetWidth:" + std::to_string(static_cast<int>(twips)));
    width_ = twips;
    ResizeSurface();
    if (raiseResizeOnSetSize && control != nullptr) {
        control->Resize();
    }
}

void TestHost::SetHeight(float twips) {
    log.push_back("SetHeight:" + std::to_string(static_cast<int>(twips)));
    height_ = twips;
    ResizeSurface();
    if (raiseResizeOnSetSize && control != nullptr) {
        control->Resize();
    }
}

std::int32_t TestHost::ParentProperty(std::string_view name) {
    log.push_back("Parent:" + std::string(name));
    const auto it = parent.find(name);
    if (it == parent.end()) {
        throw RuntimeError(ErrorNumber::InvalidProcedureCall, "no such property");
    }
    return it->second;
}

void TestHost::PropertyChanged(std::string_view name) {
    log.push_back("Changed:" + std::string(name));
    changes.emplace_back(name);
}

void TestHost::SetSurfaceFont(const FontAttributes& font) {
    log.push_back("SetSurfaceFont");
    surfaceFont = font;
}

void TestHost::SetSurfaceMousePointer(std::int16_t pointer) {
    log.push_back("SetMousePointer:" + std::to_string(pointer));
    mousePointer = pointer;
}

void TestHost::SetSurfaceMouseIcon(PictureRef icon) {
    if (failMouseIcon) {
        throw RuntimeError(ErrorNumber::InvalidPropertyValue, "not an icon");
    }
    mouseIcon = std::move(icon);
}

void TestHost::MessageBox(std::u16string_view prompt, std::int32_t style,
                          std::u16string_view title) {
    log.push_back("MessageBox:" + std::to_string(style));
    messages.emplace_back(prompt);
    messages.emplace_back(title);
}

PictureRef MakeBitmap(std::int32_t width, std::int32_t height, std::uint32_t rrggbb) {
    return std::make_shared<const Picture>(
        Picture::FromBitmap(Bitmap(width, height, PixelFromRrggbb(rrggbb))));
}

PictureRef MakeIcon(std::int32_t width, std::int32_t height, std::uint32_t rrggbb) {
    return std::make_shared<const Picture>(Picture::FromIcon(
        Bitmap(width, height, PixelFromRrggbb(rrggbb)), Bitmap(width, height, kOpaque)));
}

} // namespace lumio::testing
