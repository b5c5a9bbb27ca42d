#include "win32/button_window.h"

#include "button/button_notifications.h"
#include "button/render/access_keys.h"
#include "platform/palette.h"
#include "win32/wide.h"

#include <algorithm>

namespace lumio {

namespace {

constexpr wchar_t kClassName[] = L"LumioButton";

// The platform's mouse messages carry 16-bit client coordinates, as the core's do.
LParam CoreLParam(LPARAM lParam) {
    return MakeLParam(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

} // namespace

void ButtonWindow::RegisterClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.lpszClassName = kClassName;
    ::RegisterClassExW(&wc);
}

ButtonWindow::ButtonWindow(std::u16string name, const ButtonAmbient& ambient, GdiTextPainter& text,
                           WindowRegistry& windows, WinDesktop& desktop)
    : name_(std::move(name)), ambient_(ambient), text_(text), windows_(windows), desktop_(desktop),
      ownWindow_(
          windows.Create(ambient.parentWindow, [this](WindowHandle, MessageNumber m, WParam w,
                                                      LParam l) { return OwnProcedure(m, w, l); })),
      surfaceFont_(ambient.font), button_(std::make_unique<QxButton>(*this)) {
    hwnd_ = ::CreateWindowExW(
        0, kClassName, Wide(name_), WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0, 0,
        0, ambient.parent, nullptr,
        reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(ambient.parent, GWLP_HINSTANCE)), nullptr);
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    desktop_.Register(ownWindow_, hwnd_);
    surface_.set_back_color(TranslateColor(ambient.backColor, surface_.palette()));
    notifications_ = NotificationsOf(*button_);
}

ButtonWindow::~ButtonWindow() {
    // Going away may still move the focus; nobody listens any more.
    notifications_ = ButtonNotifications{};
    button_->Terminate();
    button_.reset();
    desktop_.Unregister(ownWindow_);
    windows_.Destroy(ownWindow_);
    if (hwnd_) {
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd_);
    }
    FreeSurface();
}

void ButtonWindow::HandlerError(std::exception_ptr error) {
    // An input handler failed: it has ended; the program goes on.
    std::u16string text = u"lumio: " + name_ + u": an input handler failed\n";
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        const std::string what = e.what();
        text = u"lumio: " + name_ + u": " + std::u16string(what.begin(), what.end()) + u"\n";
    } catch (...) {
    }
    ::OutputDebugStringW(Wide(text));
}

void ButtonWindow::Load(float leftTwips, float topTwips, float widthTwips, float heightTwips,
                        const PropertyBag& properties) {
    leftTwips_ = leftTwips;
    topTwips_ = topTwips;
    widthTwips_ = widthTwips;
    heightTwips_ = heightTwips;
    ::SetWindowPos(hwnd_, nullptr, ambient_.scale.Pixels(leftTwips),
                   ambient_.scale.Pixels(topTwips), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ResizeSurface();
    button_->Initialize();
    button_->ReadProperties(properties);
    Refresh();
}

void ButtonWindow::FreeSurface() {
    if (memory_) {
        text_.Unbind(surface_.pixels());
        ::SelectObject(memory_, oldBitmap_);
        ::DeleteDC(memory_);
        memory_ = nullptr;
    }
    if (dib_) {
        ::DeleteObject(dib_);
        dib_ = nullptr;
    }
}

void ButtonWindow::ResizeSurface() {
    const int w = std::max(ambient_.scale.Pixels(widthTwips_), 0);
    const int h = std::max(ambient_.scale.Pixels(heightTwips_), 0);
    ::SetWindowPos(hwnd_, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    if (surface_.width() == w && surface_.height() == h) {
        return;
    }
    FreeSurface();
    surface_.Resize(0, 0);
    if (w == 0 || h == 0) {
        return;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h; // top-down rows, as the surface holds them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    dib_ = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    memory_ = dib_ ? ::CreateCompatibleDC(nullptr) : nullptr;
    if (!dib_ || !memory_ || !bits) {
        FreeSurface();
        surface_.Resize(w, h); // drawn, though never shown: better than nothing to draw on
        return;
    }
    oldBitmap_ = ::SelectObject(memory_, dib_);
    surface_.Attach(w, h, static_cast<Pixel*>(bits));
    text_.Bind(surface_.pixels(), memory_);
}

void ButtonWindow::SetScale(DisplayScale scale) {
    if (scale == ambient_.scale) {
        return;
    }
    ambient_.scale = scale;
    // Moved without a paint: the resize handler below paints the new look before the
    // window shows it.
    ::SetWindowPos(hwnd_, nullptr, scale.Pixels(leftTwips_), scale.Pixels(topTwips_), 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    ResizeSurface();
    button_->Resize();
    Refresh();
}

void ButtonWindow::SetWidth(float twips) {
    widthTwips_ = twips;
    ResizeSurface();
}

void ButtonWindow::SetHeight(float twips) {
    heightTwips_ = twips;
    ResizeSurface();
}

void ButtonWindow::Refresh() {
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

bool ButtonWindow::SurfaceEnabled() const {
    return ::IsWindowEnabled(hwnd_) != FALSE;
}

void ButtonWindow::SetSurfaceEnabled(bool enabled) {
    ::EnableWindow(hwnd_, enabled ? TRUE : FALSE);
    if (Window* window = windows_.Find(ownWindow_)) {
        window->set_enabled(enabled);
    }
}

void ButtonWindow::SetWindowRgn(Region region, bool redraw) {
    // An empty region hides the whole window.
    HRGN shape = ::CreateRectRgn(0, 0, 0, 0);
    for (const Rect& r : region.rects()) {
        HRGN part = ::CreateRectRgn(r.left, r.top, r.right, r.bottom);
        ::CombineRgn(shape, shape, part, RGN_OR);
        ::DeleteObject(part);
    }
    // The window owns the region from here on.
    ::SetWindowRgn(hwnd_, shape, redraw ? TRUE : FALSE);
}

std::int32_t ButtonWindow::ParentProperty(std::string_view name) {
    if (name == "hWnd") {
        return ambient_.parentWindow;
    }
    if (name == "MDIChild") {
        return 0; // the reader window is a top-level window of its own
    }
    throw RuntimeError(ErrorNumber::InvalidPropertyValue, "The parent has no such property");
}

void ButtonWindow::MessageBox(std::u16string_view prompt, std::int32_t style,
                              std::u16string_view title) {
    ::MessageBoxW(ambient_.parent, WideCopy(prompt).c_str(), WideCopy(title).c_str(),
                  static_cast<UINT>(style));
}

void ButtonWindow::SetCaption(std::u16string caption) {
    button_->SetCaption(std::move(caption));
    Refresh();
}

void ButtonWindow::SetToolTipText(std::u16string text) {
    if (toolTipSetter) {
        toolTipSetter(hwnd_, text);
    }
}

bool ButtonWindow::TakesAccessKey(char16_t key) const {
    return ::IsWindowEnabled(hwnd_) && ::IsWindowVisible(hwnd_) &&
           accessKeys_.find(key) != std::u16string::npos;
}

void ButtonWindow::PressAccessKey(char16_t key) {
    button_->AccessKeyPress(static_cast<std::int16_t>(key));
    Refresh();
}

bool RouteAccessKey(const std::vector<std::unique_ptr<ButtonWindow>>& buttons, WPARAM character) {
    // The keys are kept in small letters, as the caption's marker names them.
    const char16_t key = LowerCaseUnit(static_cast<char16_t>(character));
    for (const auto& b : buttons) {
        if (b->TakesAccessKey(key)) {
            b->PressAccessKey(key);
            return true;
        }
    }
    return false;
}

std::int16_t ButtonWindow::ShiftNow() {
    std::int16_t value = 0;
    value |= (::GetKeyState(VK_SHIFT) < 0) ? 1 : 0;
    value |= (::GetKeyState(VK_CONTROL) < 0) ? 2 : 0;
    value |= (::GetKeyState(VK_MENU) < 0) ? 4 : 0;
    return value;
}

MessageResult ButtonWindow::Send(MessageNumber message, WParam wParam, LParam lParam) {
    const MessageResult result = windows_.Send(ownWindow_, message, wParam, lParam);
    Refresh();
    return result;
}

// --- The real window ------------------------------------------------------------------

LRESULT CALLBACK ButtonWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ButtonWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->Handle(message, wParam, lParam)
                : ::DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT ButtonWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    const auto keys = static_cast<WParam>(wParam & 0xFFFF);
    switch (message) {
    case WM_PAINT:
        Paint();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT &&
            (desktop_.ReapplyCursor(ownWindow_) || SetCursorForPointer())) {
            return TRUE;
        }
        break;
    case WM_MOUSEMOVE:
    case WM_MOUSELEAVE:
        shift_ = ShiftNow();
        Send(static_cast<MessageNumber>(message), keys, CoreLParam(lParam));
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDBLCLK:
        // Like the platform's own containers: the mouse is held for the control while
        // a button is down on it, and the control takes the focus.
        desktop_.SetCapture(ownWindow_);
        if (::GetFocus() != hwnd_) {
            ::SetFocus(hwnd_);
        }
        shift_ = ShiftNow();
        Send(static_cast<MessageNumber>(message), keys, CoreLParam(lParam));
        return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        shift_ = ShiftNow();
        Send(static_cast<MessageNumber>(message), keys, CoreLParam(lParam));
        if ((wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0 &&
            desktop_.GetCapture() == ownWindow_) {
            desktop_.ReleaseCapture();
        }
        return 0;
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
        shift_ = ShiftNow();
        Send(static_cast<MessageNumber>(message), static_cast<WParam>(wParam), 0);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        Send(static_cast<MessageNumber>(message), 0, 0);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS; // arrows are the control's; Tab moves the focus
    default:
        break;
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool ButtonWindow::SetCursorForPointer() {
    struct PointerCursor {
        std::int16_t pointer;
        int id;
    };
    static constexpr PointerCursor table[] = {
        {2, 32515}, {3, 32513}, {11, 32514}, {13, 32650}, {15, 32646}, // cross .. size-all
    };
    for (const PointerCursor& p : table) {
        if (p.pointer == mousePointer_) {
            ::SetCursor(::LoadCursorW(nullptr, MAKEINTRESOURCEW(p.id)));
            return true;
        }
    }
    constexpr std::int16_t kCustomPointer = 99; // the button's own MouseIcon
    if (mousePointer_ == kCustomPointer && mouseIcon_) {
        if (!iconCursor_) {
            iconCursor_ = std::make_unique<WinCursor>(mouseIcon_->image());
        }
        if (iconCursor_->handle()) {
            ::SetCursor(iconCursor_->handle());
            return true;
        }
    }
    return false; // the class cursor (the arrow)
}

void ButtonWindow::SetSurfaceMouseIcon(PictureRef icon) {
    mouseIcon_ = std::move(icon);
    if (iconCursor_ && ::GetCursor() == iconCursor_->handle()) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_ARROW)); // never a destroyed one
    }
    iconCursor_.reset(); // made again from the new picture when it is next shown
}

void ButtonWindow::Paint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd_, &ps);
    if (memory_) {
        ::BitBlt(dc, 0, 0, surface_.width(), surface_.height(), memory_, 0, 0, SRCCOPY);
    }
    ::EndPaint(hwnd_, &ps);
}

MessageResult ButtonWindow::OwnProcedure(MessageNumber message, WParam wParam, LParam lParam) {
    return DeliverInput(notifications_, message, wParam, lParam, shift_);
}

} // namespace lumio
