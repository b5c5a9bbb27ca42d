#pragma once

#include "platform/native_file_source.h"
#include "platform/window_registry.h"
#include "win32/button_window.h"
#include "win32/file_drop_target.h"
#include "win32/gdi_text_painter.h"
#include "win32/trackbar_slider.h"
#include "win32/viewer_window.h"
#include "win32/win_api.h"
#include "win32/win_busy_cursor.h"
#include "win32/win_desktop.h"
#include "win32/win_dialogs.h"
#include "win32/win_display_scale.h"
#include "win32/win_fonts.h"
#include "win32/win_hot_keys.h"
#include "win32/win_notify_area.h"
#include "win32/win_shell.h"
#include "win32/win_timer.h"
#include "win32/win_viewer_menu.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace lumio {

struct ReaderWindowOptions {
    HINSTANCE instance = nullptr;
    std::u16string makerWebPage;     // what the web-page button opens
    ReadingPlaces* places = nullptr; // the reading memory; none: every document from its start
};

// Where the time of the reading goes, for the speed figures.
struct ReaderTimings {
    std::int64_t ticks = 0;
    std::int64_t tickNs = 0; // the core's tick, viewer text included
    std::int64_t viewerPaints = 0;
    std::int64_t viewerPaintNs = 0;
};

// The reader window MainMsg as a real window: a popup built from the form file with the
// buttons, sliders and viewer as child windows, the reading core and the window side
// behind them, the tray icon and the timer. The window's class procedure passes the
// messages the core watches into the core's chain for the window, so the buttons'
// hooks see them; the procedure the window side links over it is linked over the real
// one too (SetWindowLongPtrW), and taken out again at unload.
class ReaderWindow final : public ReaderFormWindow {
public:
    static constexpr IconHandle kProgramIcon = 1;
    static constexpr int kIconResource = 1;

    explicit ReaderWindow(ReaderWindowOptions options);
    ~ReaderWindow() override;
    ReaderWindow(const ReaderWindow&) = delete;
    ReaderWindow& operator=(const ReaderWindow&) = delete;

    // Start-up: placed at the top centre, the load step, then shown.
    void Start();
    // Opens a document as a drop of that one file would.
    void OpenAsDropped(const std::u16string& path);
    // Keys the window handles before they reach a control (Tab moves the focus, Alt with
    // an access key presses its button, the menu key and Shift+F10 open the viewer's
    // menu); true when the message was taken.
    bool PreTranslate(const MSG& msg);
    // The viewer's menu at a point of the screen; from the keyboard, under the viewer.
    void OpenViewerMenu(POINT screen);
    void OpenViewerMenuFromKeyboard();

    HWND window() const { return hwnd_; }
    MainMsg& core() { return *core_; }
    SliderSetter& slider1() const { return *slider(kSpeedSliderName); }
    SliderSetter& slider2() const { return *slider(kStartSliderName); }
    // Whether the strip is shown, or asked to be shown and about to be.
    bool wantsVisible() const { return wantVisible_; }
    // Told of every show and hide asked of the window, whoever asks (tray, pin, boss key).
    std::function<void(bool shown)> onShowHide;
    // The keys for the whole desktop, registered on this window.
    WinHotKeys& hotKeys() { return *hotKeys_; }
    ReaderTimings timings() const;
    // The tray icon's record as the load step filled it.
    const TrayIconData& trayRecord() const { return windowCore_->trayIconData(); }
    // When the window was first on the screen (steady clock, ns; 0 before).
    std::int64_t shownAtNs() const { return shownAtNs_; }
    // The resolution the window is laid out for.
    DisplayScale scale() const { return scale_; }
    // The viewer's right-click menu, for the tests.
    const WinViewerMenu& viewerMenu() const { return *menuShower_; }
    // Lays the window out again for another resolution (what WM_DPICHANGED asks, with
    // the rectangle the system suggests, or where the window is when there is none).
    void ApplyScale(DisplayScale scale, const RECT* suggested);

    // --- ReaderFormWindow ----------------------------------------------------------
    WindowHandle hWnd() const override { return handle_; }
    void SetBackColor(OleColor color) override;
    void SetBorderStyle(std::int32_t style) override;
    std::int32_t GetExtendedStyle() const override;
    void SetExtendedStyle(std::int32_t style) override;
    void SetLayeredWindowAttributes(OleColor key, std::uint8_t alpha, std::uint32_t flags) override;
    void SetWindowPos(std::int32_t insertAfter, std::uint32_t flags) override;
    void Show() override;
    void Hide() override;
    void SetIcon(IconHandle icon) override;
    void Unload() override;
    void SetOLEDropMode(std::int32_t mode) override;
    WindowProcToken InstallWindowProc(WindowProcRule rule) override;
    void RestoreWindowProc(WindowProcToken token) override;

private:
    struct Layer {
        WindowProcToken token;
        WindowProcRule rule;
    };

    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK Linked(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    MessageResult OwnProcedure(MessageNumber message, WParam wParam, LParam lParam);

    void Build(const ReaderLayout& layout);
    void AddButton(const ReaderControl& control);
    void AddSlider(const ReaderControl& control);
    void AddViewer(const ReaderControl& control);
    void AddToolTip(HWND control, const std::u16string& text);
    void SetToolTip(HWND control, const std::u16string& text);
    WindowHandle NewChildWindow(HWND window);
    void ConnectCommands();
    ButtonWindow* button(std::u16string_view name) const;
    TrackbarSlider* slider(std::u16string_view name) const;
    HICON IconFor(IconHandle handle, bool small) const;
    void ApplyVisibility();
    void ApplyTopmost();
    void MoveFocus(bool back);
    void RepaintButtons();
    COLORREF ColorBeneath(HWND control) const;
    void ApplyToolTipFont();

    ReaderWindowOptions options_;
    // Every window of the program and the desktop they live on; they outlive the
    // controls that hook them.
    WindowRegistry windows_;
    WinDesktop desktop_{windows_};
    WindowHandle handle_ = 0;
    HWND hwnd_ = nullptr;
    HWND toolTips_ = nullptr;
    OleColor backColor_ = Rgb(255, 255, 255);
    HBRUSH backBrush_ = nullptr;
    HBRUSH sliderBrush_ = nullptr;
    COLORREF sliderColor_ = 0;
    FontAttributes ambientFont_;
    DisplayScale scale_;
    HFONT toolTipFont_ = nullptr; // made once the window has left the system's resolution
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    UINT taskbarCreated_ = 0;
    bool wantVisible_ = false;
    bool visibilityQueued_ = false;
    bool unloaded_ = false;
    bool topmost_ = false;
    int statesRepeats_ = 0;

    WinFonts fonts_;
    GdiTextPainter text_{fonts_};
    WinTimer timer_;
    WinMessageBox messageBox_;
    WinOpenDialog dialog_;
    WinShell shell_;
    NativeFileSource files_;
    WinBusyCursor busyCursor_;
    WinNotifyArea tray_;
    std::unique_ptr<WinHotKeys> hotKeys_;
    std::unique_ptr<FileDropTarget> drops_;

    std::vector<std::unique_ptr<ButtonWindow>> buttons_;
    std::vector<std::pair<std::u16string, std::unique_ptr<TrackbarSlider>>> sliders_;
    std::unique_ptr<ViewerWindow> viewer_;
    std::vector<HWND> tabOrder_;

    std::unique_ptr<MainMsg> core_;
    std::unique_ptr<MainMsgWindow> windowCore_;
    std::unique_ptr<WinViewerMenu> menuShower_;
    std::unique_ptr<ViewerMenu> viewerMenu_;

    // The procedures linked over the window's own, innermost first.
    WNDPROC original_ = nullptr;
    std::vector<Layer> layers_;
    WindowProcToken nextToken_ = 1;

    ReaderTimings timings_;
    std::int64_t shownAtNs_ = 0;
};

} // namespace lumio
