#pragma once

#include "platform/key_shape.h"
#include "platform/posix_file_source.h"
#include "qt/button_host.h"
#include "qt/qt_busy_cursor.h"
#include "qt/qt_desktop.h"
#include "qt/qt_message_box.h"
#include "qt/qt_open_dialog.h"
#include "qt/qt_shell.h"
#include "qt/qt_text_painter.h"
#include "qt/qt_timer.h"
#include "qt/qt_viewer_menu.h"
#include "qt/slider_widget.h"
#include "qt/tray_icon.h"
#include "qt/viewer_widget.h"
#include "reader/main_msg.h"
#include "reader/main_msg_window.h"
#include "reader/reader_layout.h"

#include <QElapsedTimer>
#include <QIcon>
#include <QImage>
#include <QRegion>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lumio {

struct ReaderWindowOptions {
    QIcon icon;                      // the program icon (window and tray)
    std::u16string makerWebPage;     // what the web-page button opens
    bool quitOnClose = true;         // end the program when the window closes
    ReadingPlaces* places = nullptr; // the reading memory; none: every document from its start
};

// Where the time of the reading goes, for the speed figures.
struct ReaderTimings {
    std::int64_t ticks = 0;
    std::int64_t tickNs = 0; // the core's tick, viewer text included
    std::int64_t shapeUpdates = 0;
    std::int64_t shapeNs = 0; // re-rendering changed rows and rescanning them
    std::int64_t shapeApplied = 0;
    std::int64_t viewerPaints = 0;
    std::int64_t viewerPaintNs = 0;
};

// The reader window MainMsg as a real window: built from the form file, with the
// buttons, sliders and viewer as its children, the reading core and the window side
// behind them, the tray icon, and the colour key kept as the window's shape.
class ReaderWindow : public QWidget, public ReaderFormWindow {
    Q_OBJECT
public:
    explicit ReaderWindow(ReaderWindowOptions options);
    ~ReaderWindow() override;

    // Start-up: the load step, then the window shown (visible when start-up completes).
    void Start();
    // Opens a document as a drop of that one file would.
    void OpenAsDropped(const std::u16string& path);
    // The viewer's menu at `global` (from the keyboard: under the viewer's corner).
    void OpenViewerMenu(QPoint global);
    void OpenViewerMenuFromKeyboard();
    void PrepareViewerMenu();
    QtViewerMenu& viewerMenuShower() { return *menuShower_; }

    MainMsg& core() { return *core_; }
    MainMsgWindow& windowCore() { return *windowCore_; }
    ViewerWidget& viewer() { return *viewer_; }
    SliderWidget& slider1() { return *slider1_; }
    SliderWidget& slider2() { return *slider2_; }
    QtTimer& timer() { return timer_; }
    QtMessageBox& messageBox() { return messageBox_; }
    QtOpenDialog& dialog() { return dialog_; }
    QtShell& shell() { return shell_; }
    TrayIcons& tray() { return tray_; }
    ButtonHost* button(std::u16string_view name) const;
    const std::vector<ButtonHost*>& buttons() const { return buttons_; }
    const KeyShape& keyShape() const { return keyShape_; }
    const QImage& renderedImage() const { return shapeImage_; }
    bool topmost() const { return topmost_; }
    // Shown, or asked to be and about to be (showing and hiding take effect queued).
    bool wantsVisible() const { return wantVisible_; }
    // Told of every show and hide asked of the window, whoever asks (tray, pin, boss key).
    std::function<void(bool shown)> onShowHide;
    ReaderTimings timings() const;
    // Brings the shape up to date now instead of after the next paint.
    void UpdateShapeNow();
    // WM_NCHITTEST for a point on the screen, through the window's procedures.
    std::int32_t HitTest(QPoint global);
    // A message through the window's procedures, innermost first.
    std::int32_t SendWindowMessage(std::int32_t message, std::int32_t wParam, std::int32_t lParam);

    // --- ReaderFormWindow ----------------------------------------------------------
    WindowHandle hWnd() const override { return handle_; }
    WindowRegistry& windows() { return windows_; }
    QtDesktop& desktop() { return desktop_; }
    void SetBackColor(OleColor color) override;
    void SetBorderStyle(std::int32_t style) override;
    std::int32_t GetExtendedStyle() const override { return extendedStyle_; }
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

    static constexpr IconHandle kProgramIcon = 1;

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build(const ReaderLayout& layout);
    ButtonHost* AddButton(const ReaderControl& control);
    void AddSlider(const ReaderControl& control, SliderWidget*& slot);
    void AddViewer(const ReaderControl& control);
    QWidget* Focusable(std::u16string_view name) const;
    void SetTabOrder(const ReaderLayout& layout);
    void ConnectCommands();
    void Watch(QWidget* child);
    void MarkShapeDirty(const QRect& area);
    void UpdateShape();
    void ApplyShape();
    bool RouteAccessKey(char16_t key);
    WindowHandle NewChildWindow(QWidget* widget);
    MessageResult OwnProcedure(MessageNumber message, WParam wParam, LParam lParam);
    void ApplyWindowStates();
    void ScheduleVisibility();
    void ApplyVisibility();
    QIcon IconFor(IconHandle handle) const;

    ReaderWindowOptions options_;
    // Every window of the program and the desktop they live on; they outlive the
    // controls that hook them.
    WindowRegistry windows_;
    QtDesktop desktop_{windows_};
    WindowHandle handle_;
    OleColor backColor_ = Rgb(255, 255, 255);
    FontAttributes ambientFont_;
    std::int32_t extendedStyle_ = 0;
    bool colorKeyOn_ = false;
    bool topmost_ = false;
    bool wantVisible_ = false;
    bool visibilityQueued_ = false;

    QtTextPainter text_;
    QtTimer timer_;
    QtMessageBox messageBox_;
    QtOpenDialog dialog_;
    QtShell shell_;
    PosixFileSource files_;
    QtBusyCursor busyCursor_;
    TrayIcons tray_;

    std::vector<ButtonHost*> buttons_;
    SliderWidget* slider1_ = nullptr;
    SliderWidget* slider2_ = nullptr;
    ViewerWidget* viewer_ = nullptr;

    std::unique_ptr<MainMsg> core_;
    std::unique_ptr<MainMsgWindow> windowCore_;
    std::unique_ptr<QtViewerMenu> menuShower_;
    std::unique_ptr<ViewerMenu> viewerMenu_;
    const Chapter* menuPreparedFor_ = nullptr; // the chapter list the menu is laid out for

    // What each linked procedure replaced, by the token its installer holds.
    std::map<WindowProcToken, ProcedureSwap> procedures_;

    KeyShape keyShape_;
    QImage shapeImage_;
    QRegion shapeDirty_;
    bool shapeQueued_ = false;
    bool rendering_ = false;

    bool manualDrag_ = false;
    bool windowManagerMove_ = false; // asked for by the last press, maybe not taken yet
    QPoint dragOffset_;

    ReaderTimings timings_;
};

} // namespace lumio
