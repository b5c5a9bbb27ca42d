#include "win32/reader_window.h"

#include "reader/main_msg_form.h"
#include "reader/one_file_drop.h"
#include "win32/wide.h"
#include "win32/win_tool_tips.h"

#include <chrono>

namespace lumio {

namespace {

constexpr wchar_t kClassName[] = L"LumioReader";
// Our own messages: the window shows or hides once the handler that asked has
// returned, and the focus moves that SendKeys asks for.
constexpr UINT kApplyVisibility = WM_APP + 1;
constexpr UINT kMoveFocus = WM_APP + 2;
constexpr UINT kFilesDropped = WM_APP + 3;
// The timer that says the topmost state again once the window manager has the window.
constexpr UINT_PTR kStatesTimer = 2;
constexpr UINT kStatesDelayMs = 150;
constexpr int kStatesRepeats = 3;

std::int64_t NowNs() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

} // namespace

ReaderWindow::ReaderWindow(ReaderWindowOptions options)
    : options_(std::move(options)), shell_([this](WindowHandle h) { return desktop_.WindowOf(h); }),
      tray_([this](WindowHandle h) { return desktop_.WindowOf(h); },
            [this](IconHandle h) { return IconFor(h, true); }) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_TAB_CLASSES};
    ::InitCommonControlsEx(&controls);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = Procedure;
    wc.hInstance = options_.instance;
    wc.hCursor = ::LoadCursorW(nullptr, MAKEINTRESOURCEW(kCursorArrow));
    wc.lpszClassName = kClassName;
    ::RegisterClassExW(&wc);
    ButtonWindow::RegisterClass(options_.instance);
    ViewerWindow::RegisterClass(options_.instance);
    taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");

    const Form form = LoadMainMsgForm();
    ReaderLayout layout = LayoutReaderWindow(form, SystemScale());
    handle_ = windows_.Create(0, [this](WindowHandle, MessageNumber m, WParam w, LParam l) {
        return OwnProcedure(m, w, l);
    });
    // No taskbar button: the window hides to the notification area, as on Linux.
    hwnd_ = ::CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, Wide(layout.title),
                              WS_POPUP | WS_CLIPCHILDREN, 0, 0, layout.clientWidth,
                              layout.clientHeight, nullptr, nullptr, options_.instance, this);
    // Laid out for the monitor the window came up on, which only the window can tell.
    scale_ = WindowScale(hwnd_);
    if (scale_ != layout.scale) {
        layout = LayoutReaderWindow(form, scale_);
        ::SetWindowPos(hwnd_, nullptr, 0, 0, layout.clientWidth, layout.clientHeight,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    text_.SetScale(scale_);
    desktop_.Register(handle_, hwnd_);
    desktop_.SetFocusMover(hwnd_, kMoveFocus);
    drops_ = std::make_unique<FileDropTarget>(
        hwnd_, kFilesDropped, [this](const HdropData& files) { core_->Form_OLEDragDrop(files); });
    timer_.SetWindow(hwnd_);
    messageBox_.SetOwner(hwnd_);
    dialog_.SetOwner(hwnd_);
    hotKeys_ = std::make_unique<WinHotKeys>(hwnd_);
    bigIcon_ = IconFor(kProgramIcon, false);
    smallIcon_ = IconFor(kProgramIcon, true);
    toolTips_ =
        ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr, options_.instance, nullptr);
    Build(layout);
    core_ = std::make_unique<MainMsg>(
        MainMsgControls{*viewer_, timer_, *slider(kSpeedSliderName), *slider(kStartSliderName),
                        dialog_, messageBox_, files_, &busyCursor_, options_.places});
    windowCore_ = std::make_unique<MainMsgWindow>(MainMsgWindowParts{
        *this, *viewer_, timer_, *slider(kSpeedSliderName), *button(kPinButtonName), tray_, shell_,
        kProgramIcon, options_.makerWebPage});
    ConnectCommands();
    menuShower_ = std::make_unique<WinViewerMenu>(hwnd_, fonts_.Get(ambientFont_, scale_));
    viewerMenu_ =
        std::make_unique<ViewerMenu>(ViewerMenuParts{*core_, timer_, messageBox_, options_.places});
}

ReaderWindow::~ReaderWindow() {
    // Buttons leave before the window they hook.
    buttons_.clear();
    sliders_.clear();
    viewer_.reset();
    drops_.reset();
    desktop_.Unregister(handle_);
    if (hwnd_) {
        ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        ::DestroyWindow(hwnd_);
    }
    for (HBRUSH brush : {backBrush_, sliderBrush_}) {
        if (brush) {
            ::DeleteObject(brush);
        }
    }
    for (HICON icon : {bigIcon_, smallIcon_}) {
        if (icon) {
            ::DestroyIcon(icon);
        }
    }
    if (toolTipFont_) {
        ::DeleteObject(toolTipFont_);
    }
}

WindowHandle ReaderWindow::NewChildWindow(HWND window) {
    const WindowHandle handle = windows_.Create(handle_, nullptr);
    desktop_.Register(handle, window);
    return handle;
}

// --- Building from the form ------------------------------------------------------------

void ReaderWindow::Build(const ReaderLayout& layout) {
    ambientFont_ = layout.ambientFont;
    SetBackColor(layout.backColor);
    timer_.SetInterval(layout.timerInterval);
    timer_.SetEnabled(layout.timerEnabled);
    // In the form's order, each new child above the ones before it.
    for (const ReaderControl& c : layout.controls) {
        switch (c.kind) {
        case ReaderControlKind::Button:
            AddButton(c);
            break;
        case ReaderControlKind::Slider:
            AddSlider(c);
            break;
        case ReaderControlKind::Viewer:
            AddViewer(c);
            break;
        }
    }
    if (ButtonWindow* strip = button(kTitleStripName)) {
        ::SetWindowPos(strip->window(), HWND_BOTTOM, 0, 0, 0, 0,
                       SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    for (const std::u16string& name : layout.tabOrder) {
        if (ButtonWindow* b = button(name)) {
            tabOrder_.push_back(b->window());
        } else if (TrackbarSlider* s = slider(name)) {
            tabOrder_.push_back(s->window());
        }
    }
}

void ReaderWindow::AddButton(const ReaderControl& c) {
    ButtonAmbient ambient;
    ambient.backColor = backColor_;
    ambient.font = ambientFont_;
    ambient.parentWindow = handle_;
    ambient.parent = hwnd_;
    ambient.scale = scale_;
    auto host = std::make_unique<ButtonWindow>(c.name, ambient, text_, windows_, desktop_);
    host->toolTipSetter = [this](HWND w, const std::u16string& text) { SetToolTip(w, text); };
    host->Load(c.leftTwips, c.topTwips, c.widthTwips, c.heightTwips, c.properties);
    ::ShowWindow(host->window(), c.visible ? SW_SHOWNA : SW_HIDE);
    AddToolTip(host->window(), c.toolTip);
    buttons_.push_back(std::move(host));
}

void ReaderWindow::AddSlider(const ReaderControl& c) {
    auto s = std::make_unique<TrackbarSlider>(hwnd_, c.geometry, c.min, c.max);
    s->SetValue(c.value);
    ::ShowWindow(s->window(), c.visible ? SW_SHOWNA : SW_HIDE);
    NewChildWindow(s->window());
    AddToolTip(s->window(), c.toolTip);
    sliders_.emplace_back(c.name, std::move(s));
}

void ReaderWindow::AddViewer(const ReaderControl& c) {
    viewer_ = std::make_unique<ViewerWindow>(hwnd_, c.geometry);
    viewer_->SetFont(fonts_.Get(c.font, scale_));
    viewer_->SetScale(scale_);
    viewer_->onDrop = [this](const HdropData& files) { core_->rtxt1_OLEDragDrop(files); };
    ::ShowWindow(viewer_->window(), c.visible ? SW_SHOWNA : SW_HIDE);
    NewChildWindow(viewer_->window());
    AddToolTip(viewer_->window(), c.toolTip);
}

void ReaderWindow::AddToolTip(HWND control, const std::u16string& text) {
    lumio::AddToolTip(toolTips_, hwnd_, control, text);
}

void ReaderWindow::SetToolTip(HWND control, const std::u16string& text) {
    lumio::SetToolTip(toolTips_, hwnd_, control, text);
}

void ReaderWindow::ConnectCommands() {
    for (const ButtonCommand& command : ReaderButtonCommands()) {
        if (ButtonWindow* b = button(command.button)) {
            b->button().events.Click = [this, run = command.run] { run(*core_, *windowCore_); };
        }
    }
    TrackbarSlider* speed = slider(kSpeedSliderName);
    TrackbarSlider* start = slider(kStartSliderName);
    speed->onClick = [this] { core_->Slider1_Click(); };
    speed->onScroll = [this] { core_->Slider1_Scroll(); };
    start->onClick = [this] { core_->Slider2_Click(); };
    start->onScroll = [this] { core_->Slider2_Scroll(); };
    timer_.onTimer = [this] {
        const std::int64_t began = NowNs();
        core_->trm1_Timer();
        ++timings_.ticks;
        timings_.tickNs += NowNs() - began;
    };
}

ButtonWindow* ReaderWindow::button(std::u16string_view name) const {
    for (const auto& b : buttons_) {
        if (b->name() == name) {
            return b.get();
        }
    }
    return nullptr;
}

TrackbarSlider* ReaderWindow::slider(std::u16string_view name) const {
    for (const auto& [n, s] : sliders_) {
        if (n == name) {
            return s.get();
        }
    }
    return nullptr;
}

ReaderTimings ReaderWindow::timings() const {
    ReaderTimings t = timings_;
    t.viewerPaints = viewer_->paints();
    t.viewerPaintNs = viewer_->paintNs();
    return t;
}

HICON ReaderWindow::IconFor(IconHandle handle, bool small) const {
    if (handle != kProgramIcon) {
        return nullptr;
    }
    if (small ? smallIcon_ : bigIcon_) {
        return small ? smallIcon_ : bigIcon_;
    }
    // The notification area is drawn at the system's resolution, whichever monitor the
    // window is on.
    return LoadIconForScale(options_.instance, kIconResource, small ? SM_CXSMICON : SM_CXICON,
                            SystemScale());
}

// --- Start-up and shutdown ---------------------------------------------------------------

void ReaderWindow::Start() {
    // First placed at the top centre of the primary screen's work area.
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    RECT own{};
    ::GetWindowRect(hwnd_, &own);
    const int width = own.right - own.left;
    ::SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - width) / 2, work.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    windowCore_->Form_Load();
    Show();
}

void ReaderWindow::OpenAsDropped(const std::u16string& path) {
    core_->Form_OLEDragDrop(OneFileDrop(path));
}

void ReaderWindow::OpenViewerMenu(POINT screen) {
    menuShower_->SetPosition(screen);
    viewerMenu_->Open(*menuShower_);
}

void ReaderWindow::OpenViewerMenuFromKeyboard() {
    RECT r{};
    ::GetWindowRect(viewer_->window(), &r);
    OpenViewerMenu({r.left, r.bottom});
}

// --- The window as the core drives it --------------------------------------------------

void ReaderWindow::SetBackColor(OleColor color) {
    backColor_ = color;
    if (backBrush_) {
        ::DeleteObject(backBrush_);
    }
    backBrush_ = ::CreateSolidBrush(color & 0x00FFFFFF);
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

void ReaderWindow::SetBorderStyle(std::int32_t style) {
    // Style 0 has neither border nor title bar; the others a caption and a frame.
    const LONG_PTR frame = WS_CAPTION | WS_SYSMENU;
    LONG_PTR now = ::GetWindowLongPtrW(hwnd_, GWL_STYLE);
    now = style == kBorderStyleNone ? (now & ~frame) : (now | frame);
    ::SetWindowLongPtrW(hwnd_, GWL_STYLE, now);
    ::SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

std::int32_t ReaderWindow::GetExtendedStyle() const {
    return static_cast<std::int32_t>(::GetWindowLongW(hwnd_, GWL_EXSTYLE));
}

void ReaderWindow::SetExtendedStyle(std::int32_t style) {
    ::SetWindowLongW(hwnd_, GWL_EXSTYLE, style);
}

void ReaderWindow::SetLayeredWindowAttributes(OleColor key, std::uint8_t alpha,
                                              std::uint32_t flags) {
    ::SetLayeredWindowAttributes(hwnd_, key & 0x00FFFFFF, alpha, flags);
}

void ReaderWindow::SetWindowPos(std::int32_t insertAfter, std::uint32_t flags) {
    HWND after = nullptr;
    if (insertAfter == kInsertTopmost) {
        after = HWND_TOPMOST;
    } else if (insertAfter == kInsertNotTopmost) {
        after = HWND_NOTOPMOST;
    } else {
        return;
    }
    topmost_ = after == HWND_TOPMOST;
    ::SetWindowPos(hwnd_, after, 0, 0, 0, 0, flags | SWP_NOACTIVATE);
}

// An X11 window manager busy with an earlier withdrawal of the window can drop the
// state the system set as the window was mapped; said again, it sticks.
void ReaderWindow::ApplyTopmost() {
    if (topmost_ && ::IsWindowVisible(hwnd_)) {
        ::SetWindowPos(hwnd_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        ::SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

// Showing and hiding take effect once the handler that asked has returned: the load
// step shows the window and hides it again at once, and a window manager that sees the
// window mapped, withdrawn and mapped again within a moment can lose its states.
void ReaderWindow::Show() {
    wantVisible_ = true;
    if (!visibilityQueued_) {
        visibilityQueued_ = ::PostMessageW(hwnd_, kApplyVisibility, 0, 0) != FALSE;
    }
    if (onShowHide) {
        onShowHide(true);
    }
}

void ReaderWindow::Hide() {
    core_->KeepPlace(); // tray, pin or boss key: the place is kept
    wantVisible_ = false;
    if (!visibilityQueued_) {
        visibilityQueued_ = ::PostMessageW(hwnd_, kApplyVisibility, 0, 0) != FALSE;
    }
    if (onShowHide) {
        onShowHide(false);
    }
}

void ReaderWindow::ApplyVisibility() {
    visibilityQueued_ = false;
    if (!wantVisible_) {
        ::ShowWindow(hwnd_, SW_HIDE);
        return;
    }
    ::ShowWindow(hwnd_, SW_SHOW);
    ::SetForegroundWindow(hwnd_);
    ::UpdateWindow(hwnd_);
    statesRepeats_ = kStatesRepeats;
    ::SetTimer(hwnd_, kStatesTimer, kStatesDelayMs, nullptr);
    if (shownAtNs_ == 0) {
        shownAtNs_ = NowNs();
    }
}

void ReaderWindow::SetIcon(IconHandle icon) {
    ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(IconFor(icon, false)));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(IconFor(icon, true)));
}

void ReaderWindow::Unload() {
    // After the command that asked has returned: its button still runs its handler.
    ::PostMessageW(hwnd_, WM_CLOSE, 0, 0);
}

void ReaderWindow::SetOLEDropMode(std::int32_t mode) {
    drops_->Accept(mode == kOleDropManual);
}

WindowProcToken ReaderWindow::InstallWindowProc(WindowProcRule rule) {
    WindowProcToken token = 0;
    if (layers_.empty()) {
        // The answer is the procedure replaced, as the system's call gives it.
        original_ = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Linked)));
        if (!original_) {
            return 0;
        }
        token = reinterpret_cast<WindowProcToken>(original_);
    } else {
        token = nextToken_++;
    }
    layers_.push_back({token, std::move(rule)});
    return token;
}

void ReaderWindow::RestoreWindowProc(WindowProcToken token) {
    for (auto it = layers_.begin(); it != layers_.end(); ++it) {
        if (it->token == token) {
            layers_.erase(it);
            break;
        }
    }
    if (layers_.empty() && original_) {
        ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
        original_ = nullptr;
    }
}

// --- Procedures --------------------------------------------------------------------------

LRESULT CALLBACK ReaderWindow::Linked(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<ReaderWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self || !self->original_) {
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    const WNDPROC original = self->original_;
    LRESULT result = ::CallWindowProcW(original, hwnd, message, wParam, lParam);
    // Each linked rule may change the answer; an answer it leaves alone keeps all its bits.
    const std::vector<Layer> layers = self->layers_;
    for (const Layer& layer : layers) {
        const auto before = static_cast<std::int32_t>(result);
        const std::int32_t after = layer.rule(static_cast<std::int32_t>(message), before);
        if (after != before) {
            result = after;
        }
    }
    return result;
}

LRESULT CALLBACK ReaderWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        auto* window = static_cast<ReaderWindow*>(create->lpCreateParams);
        window->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
    }
    auto* self = reinterpret_cast<ReaderWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return self ? self->Handle(message, wParam, lParam)
                : ::DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT ReaderWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == taskbarCreated_ && taskbarCreated_ != 0) {
        tray_.AddAgain();
        return 0;
    }
    if (drops_ && drops_->Handle(message, wParam)) {
        return 0;
    }
    switch (message) {
    case WM_NCHITTEST: {
        const auto x = static_cast<short>(LOWORD(lParam));
        const auto y = static_cast<short>(HIWORD(lParam));
        return windows_.Send(handle_, WM_NCHITTEST, 0, MakeLParam(x, y));
    }
    case WM_MOUSEMOVE: {
        // The client area is all caption, so a mouse move here is the tray icon's
        // callback, with the mouse message the icon saw in lParam.
        const std::int16_t button =
            MainMsgWindow::TrayButtonFor(static_cast<MessageNumber>(lParam & 0xFFFF));
        const WParam keys = button == 1 ? MK_LBUTTON : button == 2 ? MK_RBUTTON : 0;
        windows_.Send(handle_, WM_MOUSEMOVE, keys, 0);
        return 0;
    }
    case WM_ACTIVATE:
    case WM_NCACTIVATE: {
        // The buttons follow their parent's activation through their hooks.
        windows_.Send(handle_, static_cast<MessageNumber>(message),
                      static_cast<WParam>(LOWORD(wParam)), 0);
        RepaintButtons();
        break;
    }
    case WM_HOTKEY:
        if (hotKeys_->Pressed(wParam)) {
            return 0;
        }
        break;
    case WM_TIMER:
        if (wParam == WinTimer::kId) {
            timer_.Fire();
        } else if (wParam == kStatesTimer) {
            ApplyTopmost();
            if (--statesRepeats_ <= 0) {
                ::KillTimer(hwnd_, kStatesTimer);
            }
        }
        return 0;
    case WM_HSCROLL:
        for (const auto& [name, s] : sliders_) {
            if (s->window() == reinterpret_cast<HWND>(lParam)) {
                s->OnScroll(LOWORD(wParam));
            }
        }
        return 0;
    case WM_ERASEBKGND: {
        RECT r{};
        ::GetClientRect(hwnd_, &r);
        ::FillRect(reinterpret_cast<HDC>(wParam), &r, backBrush_);
        return 1;
    }
    case WM_CTLCOLORSTATIC:
        // A slider shows the title strip beneath it (the same colour under both, taken
        // once). Never the window's own colour: that is the colour key, whose pixels are
        // holes the clicks fall through.
        if (!sliderBrush_) {
            sliderColor_ = ColorBeneath(reinterpret_cast<HWND>(lParam));
            sliderBrush_ = ::CreateSolidBrush(sliderColor_);
        }
        ::SetBkColor(reinterpret_cast<HDC>(wParam), sliderColor_);
        return reinterpret_cast<LRESULT>(sliderBrush_);
    case kApplyVisibility:
        ApplyVisibility();
        return 0;
    case WM_DPICHANGED:
        ApplyScale(ScaleFromDpiChanged(wParam), reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CONTEXTMENU:
        // The viewer's own right click, or the menu key or Shift+F10 (no point then).
        if (reinterpret_cast<HWND>(wParam) == viewer_->window()) {
            if (lParam == -1) {
                OpenViewerMenuFromKeyboard();
            } else {
                OpenViewerMenu(
                    {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
            }
            return 0;
        }
        break;
    case WM_MEASUREITEM:
        if (menuShower_ && menuShower_->Measure(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
            return TRUE;
        }
        break;
    case WM_DRAWITEM:
        if (menuShower_ && menuShower_->Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
            return TRUE;
        }
        break;
    case WM_QUERYENDSESSION:
        // Logging off: the process may be ended without another word after this.
        core_->KeepPlace();
        return TRUE;
    case WM_ENDSESSION:
        if (wParam != FALSE) {
            core_->KeepPlace();
        }
        return 0;
    case kMoveFocus:
        MoveFocus(wParam != 0);
        return 0;
    case WM_CLOSE:
        if (!unloaded_) {
            unloaded_ = true;
            windowCore_->Form_Unload();
        }
        ::DestroyWindow(hwnd_);
        return 0;
    case WM_DESTROY:
        timer_.SetWindow(nullptr);
        hotKeys_->Unregister(); // while the window it was registered on still exists
        ::PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

MessageResult ReaderWindow::OwnProcedure(MessageNumber message, WParam wParam, LParam lParam) {
    switch (message) {
    case WM_NCHITTEST: {
        // "Client" inside the window, "nowhere" outside it.
        RECT r{};
        ::GetWindowRect(hwnd_, &r);
        const POINT p{XFromLParam(lParam), YFromLParam(lParam)};
        return ::PtInRect(&r, p) ? HTCLIENT : HTNOWHERE;
    }
    case WM_MOUSEMOVE:
        // The window's MouseMove event: what arrives is the tray icon's callback.
        windowCore_->Form_MouseMove(MainMsgWindow::ButtonFromMouseKeys(wParam), 0, 0, 0);
        return 0;
    default:
        return 0;
    }
}

COLORREF ReaderWindow::ColorBeneath(HWND control) const {
    // The strip's pixel under the middle of the control's left edge.
    const COLORREF fallback = RGB(0xF0, 0xF0, 0xF0);
    ButtonWindow* strip = button(kTitleStripName);
    if (!strip) {
        return fallback;
    }
    RECT r{};
    ::GetWindowRect(control, &r);
    POINT p{r.left + 1, (r.top + r.bottom) / 2};
    ::ScreenToClient(strip->window(), &p);
    const Surface& surface = strip->surface();
    if (!surface.bitmap().Contains(p.x, p.y)) {
        return fallback;
    }
    const Pixel pixel = surface.bitmap().at(p.x, p.y);
    const COLORREF color = RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
    const COLORREF key = MainMsgWindow::kColorKey & 0x00FFFFFF;
    return color == key ? fallback : color;
}

void ReaderWindow::RepaintButtons() {
    for (const auto& b : buttons_) {
        b->Refresh();
    }
}

// --- Keys ---------------------------------------------------------------------------------

bool ReaderWindow::PreTranslate(const MSG& msg) {
    if (msg.hwnd != hwnd_ && !::IsChild(hwnd_, msg.hwnd)) {
        return false;
    }
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB) {
        MoveFocus(::GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    if (msg.message == WM_SYSCHAR) {
        return RouteAccessKey(buttons_, msg.wParam);
    }
    const bool menuKey = msg.message == WM_KEYDOWN && msg.wParam == VK_APPS;
    const bool shiftF10 = (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) &&
                          msg.wParam == VK_F10 && ::GetKeyState(VK_SHIFT) < 0;
    if (menuKey || shiftF10) {
        OpenViewerMenuFromKeyboard();
        return true;
    }
    return false;
}

void ReaderWindow::MoveFocus(bool back) {
    std::vector<HWND> order;
    for (HWND w : tabOrder_) {
        if (::IsWindowVisible(w) && ::IsWindowEnabled(w)) {
            order.push_back(w);
        }
    }
    if (order.empty()) {
        return;
    }
    const HWND focus = ::GetFocus();
    std::size_t at = order.size();
    for (std::size_t i = 0; i < order.size(); ++i) {
        if (order[i] == focus) {
            at = i;
        }
    }
    std::size_t next = 0;
    if (at == order.size()) {
        next = back ? order.size() - 1 : 0;
    } else {
        next = back ? (at + order.size() - 1) % order.size() : (at + 1) % order.size();
    }
    ::SetFocus(order[next]);
}

} // namespace lumio
