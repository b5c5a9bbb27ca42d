#include "qt/reader_window.h"

#include "platform/twips.h"
#include "qt/font_mapping.h"
#include "qt/qt_drop_data.h"
#include "qt/qt_strings.h"
#include "qt/x11_window.h"
#include "reader/main_msg_form.h"
#include "reader/one_file_drop.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace lumio {

namespace {

QRect ToQRect(const Rect& r) {
    return QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

} // namespace

ReaderWindow::ReaderWindow(ReaderWindowOptions options)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint), options_(std::move(options)),
      handle_(windows_.Create(0, [this](WindowHandle, MessageNumber m, WParam w,
                                        LParam l) { return OwnProcedure(m, w, l); })),
      messageBox_(this), dialog_(this),
      tray_([this](IconHandle h) { return IconFor(h); },
            [this](WindowHandle window, std::uint32_t message, std::int16_t button) {
                // The icon reports to the window under its callback message, the
                // mouse-move message, with the button it saw.
                const WParam keys = button == 1 ? MK_LBUTTON : button == 2 ? MK_RBUTTON : 0;
                // (the window's procedure turns the keys back into the button)
                windows_.Send(window, static_cast<MessageNumber>(message), keys, 0);
            }) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    desktop_.Register(handle_, this);
    Build(LayoutReaderWindow(LoadMainMsgForm()));
    core_ = std::make_unique<MainMsg>(MainMsgControls{*viewer_, timer_, *slider1_, *slider2_,
                                                      dialog_, messageBox_, files_, &busyCursor_,
                                                      options_.places});
    windowCore_ = std::make_unique<MainMsgWindow>(
        MainMsgWindowParts{*this, *viewer_, timer_, *slider1_, *button(kPinButtonName), tray_,
                           shell_, kProgramIcon, options_.makerWebPage});
    ConnectCommands();
    menuShower_ = std::make_unique<QtViewerMenu>(this, QtFontFor(ambientFont_));
    viewerMenu_ =
        std::make_unique<ViewerMenu>(ViewerMenuParts{*core_, timer_, messageBox_, options_.places});
    viewer_->onContextMenu = [this](QPoint global) { OpenViewerMenu(global); };
    for (const QKeySequence& keys :
         {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [this] { OpenViewerMenuFromKeyboard(); });
    }
}

ReaderWindow::~ReaderWindow() {
    // Buttons leave before the window they hook.
    for (ButtonHost* b : buttons_) {
        delete b;
    }
    buttons_.clear();
    desktop_.Unregister(handle_);
}

WindowHandle ReaderWindow::NewChildWindow(QWidget* widget) {
    const WindowHandle handle = windows_.Create(handle_, nullptr);
    desktop_.Register(handle, widget);
    return handle;
}

// --- Building from the form ------------------------------------------------------------

void ReaderWindow::Build(const ReaderLayout& layout) {
    setWindowTitle(ToQString(layout.title));
    setFixedSize(layout.clientWidth, layout.clientHeight);
    ambientFont_ = layout.ambientFont;
    setFont(QtFontFor(ambientFont_));
    backColor_ = layout.backColor;
    timer_.SetInterval(layout.timerInterval);
    timer_.SetEnabled(layout.timerEnabled);

    // In the form's order, so the title strip, first, lies beneath everything else.
    for (const ReaderControl& c : layout.controls) {
        switch (c.kind) {
        case ReaderControlKind::Button:
            AddButton(c);
            break;
        case ReaderControlKind::Slider:
            AddSlider(c, c.name == kSpeedSliderName ? slider1_ : slider2_);
            break;
        case ReaderControlKind::Viewer:
            AddViewer(c);
            break;
        }
    }
    if (ButtonHost* strip = button(kTitleStripName)) {
        strip->lower();
    }
    SetTabOrder(layout);
}

ButtonHost* ReaderWindow::AddButton(const ReaderControl& c) {
    ButtonAmbient ambient;
    ambient.backColor = backColor_;
    ambient.font = ambientFont_;
    ambient.parentWindow = handle_;
    auto* host = new ButtonHost(this, c.name, ambient, text_, windows_, desktop_);
    host->setToolTip(ToQString(c.toolTip));
    host->Load(c.leftTwips, c.topTwips, c.widthTwips, c.heightTwips, c.properties);
    host->setVisible(c.visible);
    host->accessKeyRouter = [this](char16_t key) { return RouteAccessKey(key); };
    Watch(host);
    buttons_.push_back(host);
    return host;
}

void ReaderWindow::AddSlider(const ReaderControl& c, SliderWidget*& slot) {
    auto* slider = new SliderWidget(this);
    slider->setGeometry(ToQRect(c.geometry));
    slider->setRange(c.min, c.max);
    slider->SetValue(c.value);
    slider->setToolTip(ToQString(c.toolTip));
    slider->setVisible(c.visible);
    NewChildWindow(slider);
    Watch(slider);
    slot = slider;
}

void ReaderWindow::AddViewer(const ReaderControl& c) {
    viewer_ = new ViewerWidget(this);
    viewer_->setGeometry(ToQRect(c.geometry));
    viewer_->SetViewerFont(QtFontFor(c.font));
    viewer_->setToolTip(ToQString(c.toolTip));
    viewer_->setVisible(c.visible);
    viewer_->onDrop = [this](const QMimeData& mime) { core_->rtxt1_OLEDragDrop(QtDropData(mime)); };
    NewChildWindow(viewer_);
    Watch(viewer_);
}

QWidget* ReaderWindow::Focusable(std::u16string_view name) const {
    if (ButtonHost* b = button(name)) {
        return b;
    }
    if (name == kSpeedSliderName) {
        return slider1_;
    }
    return name == kStartSliderName ? slider2_ : nullptr;
}

void ReaderWindow::SetTabOrder(const ReaderLayout& layout) {
    QWidget* previous = nullptr;
    for (const std::u16string& name : layout.tabOrder) {
        QWidget* w = Focusable(name);
        if (previous && w) {
            QWidget::setTabOrder(previous, w);
        }
        previous = w ? w : previous;
    }
}

void ReaderWindow::ConnectCommands() {
    for (const ButtonCommand& command : ReaderButtonCommands()) {
        if (ButtonHost* b = button(command.button)) {
            b->button().events.Click = [this, run = command.run] { run(*core_, *windowCore_); };
        }
    }
    slider1_->onClick = [this] { core_->Slider1_Click(); };
    slider1_->onScroll = [this] { core_->Slider1_Scroll(); };
    slider2_->onClick = [this] { core_->Slider2_Click(); };
    slider2_->onScroll = [this] { core_->Slider2_Scroll(); };
    timer_.onTimer = [this] {
        QElapsedTimer clock;
        clock.start();
        core_->trm1_Timer();
        ++timings_.ticks;
        timings_.tickNs += clock.nsecsElapsed();
        PrepareViewerMenu();
    };
}

ReaderTimings ReaderWindow::timings() const {
    ReaderTimings t = timings_;
    t.viewerPaints = viewer_->paints();
    t.viewerPaintNs = viewer_->paintNs();
    return t;
}

ButtonHost* ReaderWindow::button(std::u16string_view name) const {
    for (ButtonHost* b : buttons_) {
        if (b->name() == name) {
            return b;
        }
    }
    return nullptr;
}

QIcon ReaderWindow::IconFor(IconHandle handle) const {
    return handle == kProgramIcon ? options_.icon : QIcon();
}

// --- Start-up and shutdown ---------------------------------------------------------------

void ReaderWindow::Start() {
    // First placed at the top centre of the primary screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->availableGeometry();
        move(area.left() + (area.width() - width()) / 2, area.top());
    }
    windowCore_->Form_Load();
    Show();
}

void ReaderWindow::OpenAsDropped(const std::u16string& path) {
    core_->Form_OLEDragDrop(OneFileDrop(path));
}

void ReaderWindow::PrepareViewerMenu() {
    // Once per document, at its first tick: a novel's thousands of chapters are laid out
    // then, not when the user right-clicks.
    const std::vector<Chapter>& chapters = core_->chapters();
    if (!chapters.empty() && chapters.data() != menuPreparedFor_) {
        menuPreparedFor_ = chapters.data();
        menuShower_->Prepare(viewerMenu_->Model());
    }
}

void ReaderWindow::OpenViewerMenu(QPoint global) {
    menuShower_->SetPosition(global);
    viewerMenu_->Open(*menuShower_);
}

void ReaderWindow::OpenViewerMenuFromKeyboard() {
    OpenViewerMenu(viewer_->mapToGlobal(QPoint(0, viewer_->height())));
}

void ReaderWindow::closeEvent(QCloseEvent* event) {
    windowCore_->Form_Unload();
    event->accept();
    if (options_.quitOnClose) {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
}

// --- The window as the core drives it --------------------------------------------------

void ReaderWindow::SetBackColor(OleColor color) {
    backColor_ = color;
    update();
}

void ReaderWindow::SetBorderStyle(std::int32_t style) {
    // Style 0 has neither border nor title bar; the others keep the window manager's.
    setWindowFlag(Qt::FramelessWindowHint, style == kBorderStyleNone);
}

void ReaderWindow::SetExtendedStyle(std::int32_t style) {
    extendedStyle_ = style;
    if ((style & WS_EX_LAYERED) == 0 && colorKeyOn_) {
        colorKeyOn_ = false;
        clearMask();
    }
}

void ReaderWindow::SetLayeredWindowAttributes(OleColor key, std::uint8_t, std::uint32_t flags) {
    if ((extendedStyle_ & WS_EX_LAYERED) == 0) {
        return; // only a layered window takes the attributes
    }
    colorKeyOn_ = (flags & LWA_COLORKEY) != 0;
    keyShape_.SetKey(ToPixel(key));
    MarkShapeDirty(rect());
}

void ReaderWindow::SetWindowPos(std::int32_t insertAfter, std::uint32_t) {
    if (insertAfter != HWND_TOPMOST && insertAfter != HWND_NOTOPMOST) {
        return;
    }
    topmost_ = insertAfter == HWND_TOPMOST;
    if (x11::Available()) {
        // Said to the window manager directly: changing Qt's flag instead would make Qt
        // create a new native window the next time it is shown.
        if (isVisible()) {
            ApplyWindowStates();
            if (topmost_) {
                raise();
            }
        }
        return;
    }
    // Elsewhere Qt's flag does it; setting it hides the window, so show it again.
    const bool shown = isVisible();
    setWindowFlag(Qt::WindowStaysOnTopHint, topmost_);
    if (shown) {
        show();
    }
}

void ReaderWindow::ApplyWindowStates() {
    // A tool window alone does not keep it off an X11 taskbar; say so.
    x11::SetWindowStates(this, true, true, topmost_);
}

// Showing and hiding take effect once the handler that asked has returned: the load
// step shows the window and hides it again at once, and a window manager that sees the
// window mapped, withdrawn and mapped again within a moment can lose its states.
void ReaderWindow::Show() {
    wantVisible_ = true;
    ScheduleVisibility();
    if (onShowHide) {
        onShowHide(true);
    }
}

void ReaderWindow::Hide() {
    core_->KeepPlace(); // tray, pin or boss key: the place is kept
    wantVisible_ = false;
    ScheduleVisibility();
    if (onShowHide) {
        onShowHide(false);
    }
}

void ReaderWindow::ScheduleVisibility() {
    if (!visibilityQueued_) {
        visibilityQueued_ = true;
        QMetaObject::invokeMethod(
            this, [this] { ApplyVisibility(); }, Qt::QueuedConnection);
    }
}

void ReaderWindow::ApplyVisibility() {
    visibilityQueued_ = false;
    if (!wantVisible_) {
        hide();
        return;
    }
    if (!isVisible()) {
        winId(); // the native window exists, so its states can be set before it maps
        ApplyWindowStates();
        show();
        // Once the window manager has taken the window on, say the states again: a
        // manager still busy with an earlier withdrawal may have dropped them.
        for (int ms : {150, 600}) {
            QTimer::singleShot(ms, this, [this] {
                if (isVisible()) {
                    ApplyWindowStates();
                }
            });
        }
    }
    raise();
}

void ReaderWindow::SetIcon(IconHandle icon) {
    setWindowIcon(IconFor(icon));
}

void ReaderWindow::Unload() {
    close();
}

void ReaderWindow::SetOLEDropMode(std::int32_t mode) {
    setAcceptDrops(mode == kOleDropManual);
}

WindowProcToken ReaderWindow::InstallWindowProc(WindowProcRule rule) {
    const std::optional<ProcedureSwap> swap = windows_.InstallProcedure(
        handle_, [rule = std::move(rule)](const PreviousProcedure& previous, WindowHandle window,
                                          MessageNumber message, WParam wParam, LParam lParam) {
            return rule(message, previous(window, message, wParam, lParam));
        });
    if (!swap) {
        return 0;
    }
    procedures_[swap->replaced] = *swap;
    return swap->replaced;
}

void ReaderWindow::RestoreWindowProc(WindowProcToken token) {
    const auto it = procedures_.find(token);
    if (it != procedures_.end()) {
        windows_.RestoreProcedure(handle_, it->second);
        procedures_.erase(it);
    }
}

MessageResult ReaderWindow::OwnProcedure(MessageNumber message, WParam wParam, LParam lParam) {
    switch (message) {
    case WM_NCHITTEST: {
        // "Client" inside the window, "nowhere" outside it.
        const QPoint p(XFromLParam(lParam), YFromLParam(lParam));
        return rect().contains(mapFromGlobal(p)) ? HTCLIENT : HTNOWHERE;
    }
    case WM_MOUSEMOVE: {
        // The window's MouseMove event: its client area never raises it (every press
        // there is a caption press), so what arrives is the tray icon's callback.
        windowCore_->Form_MouseMove(MainMsgWindow::ButtonFromMouseKeys(wParam), 0,
                                    static_cast<float>(XFromLParam(lParam)),
                                    static_cast<float>(YFromLParam(lParam)));
        return 0;
    }
    default:
        return 0;
    }
}

std::int32_t ReaderWindow::SendWindowMessage(std::int32_t message, std::int32_t wParam,
                                             std::int32_t lParam) {
    return windows_.Send(handle_, message, wParam, lParam);
}

std::int32_t ReaderWindow::HitTest(QPoint global) {
    return SendWindowMessage(WM_NCHITTEST, 0, MakeLParam(global.x(), global.y()));
}

// --- Input on the window itself (and on disabled controls, whose input comes here) -----

void ReaderWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    windowManagerMove_ = false;
    const QPoint global = event->globalPosition().toPoint();
    if (HitTest(global) != HTCAPTION) {
        return;
    }
    // A caption hit: the window manager moves the window where it can, from the very
    // point pressed (Qt's own request takes the pointer's last known place, which can
    // be stale when the pointer jumped).
    if (x11::StartWindowManagerMove(this, global)) {
        windowManagerMove_ = true;
        return;
    }
    if (!x11::Available() && windowHandle() && windowHandle()->startSystemMove()) {
        return;
    }
    manualDrag_ = true;
    dragOffset_ = global - pos();
}

void ReaderWindow::mouseMoveEvent(QMouseEvent* event) {
    if (manualDrag_ && (event->buttons() & Qt::LeftButton)) {
        move(event->globalPosition().toPoint() - dragOffset_);
    }
}

void ReaderWindow::mouseReleaseEvent(QMouseEvent*) {
    manualDrag_ = false;
    // The release came here, so the window manager, which ends its move on the release
    // it sees, took the pointer too late (a quick click, a touchpad tap): without this
    // the strip would stick to the pointer until the next click.
    if (windowManagerMove_) {
        windowManagerMove_ = false;
        x11::CancelWindowManagerMove(this);
    }
}

void ReaderWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange) {
        // The buttons follow their parent's activation through their hooks.
        SendWindowMessage(WM_ACTIVATE, isActiveWindow() ? WA_ACTIVE : WA_INACTIVE, 0);
        for (ButtonHost* b : buttons_) {
            b->update();
        }
    }
}

bool ReaderWindow::RouteAccessKey(char16_t key) {
    for (ButtonHost* b : buttons_) {
        if (b->isEnabled() && b->isVisible() && b->AccessKeys().find(key) != std::u16string::npos) {
            if (b->notifications.AccessKeyPress) {
                b->notifications.AccessKeyPress(static_cast<std::int16_t>(key));
            }
            b->update();
            return true;
        }
    }
    return false;
}

void ReaderWindow::dragEnterEvent(QDragEnterEvent* event) {
    event->acceptProposedAction();
}

void ReaderWindow::dragMoveEvent(QDragMoveEvent* event) {
    event->acceptProposedAction();
}

void ReaderWindow::dropEvent(QDropEvent* event) {
    event->acceptProposedAction();
    if (event->mimeData()) {
        core_->Form_OLEDragDrop(QtDropData(*event->mimeData()));
    }
}

// --- Pixels and the colour key ---------------------------------------------------------

void ReaderWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.fillRect(event->rect(), ToQColor(backColor_));
    if (!rendering_) {
        MarkShapeDirty(event->rect());
    }
}

void ReaderWindow::Watch(QWidget* child) {
    child->installEventFilter(this);
}

bool ReaderWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint && !rendering_) {
        auto* child = static_cast<QWidget*>(watched);
        const QRect area = static_cast<QPaintEvent*>(event)->rect();
        MarkShapeDirty(area.translated(child->mapTo(this, QPoint(0, 0))));
    }
    return QWidget::eventFilter(watched, event);
}

void ReaderWindow::MarkShapeDirty(const QRect& area) {
    shapeDirty_ += area;
    if (!shapeQueued_) {
        shapeQueued_ = true;
        // After this round of painting, once.
        QMetaObject::invokeMethod(
            this, [this] { UpdateShape(); }, Qt::QueuedConnection);
    }
}

void ReaderWindow::UpdateShapeNow() {
    MarkShapeDirty(rect());
    UpdateShape();
}

void ReaderWindow::UpdateShape() {
    shapeQueued_ = false;
    if (!colorKeyOn_) {
        shapeDirty_ = QRegion();
        return;
    }
    QElapsedTimer clock;
    clock.start();
    QRect dirty = shapeDirty_.boundingRect() & rect();
    shapeDirty_ = QRegion();
    if (shapeImage_.size() != size()) {
        shapeImage_ = QImage(size(), QImage::Format_RGB32);
        dirty = rect();
    }
    if (dirty.isEmpty()) {
        return;
    }
    rendering_ = true;
    render(&shapeImage_, dirty.topLeft(), QRegion(dirty),
           QWidget::DrawWindowBackground | QWidget::DrawChildren | QWidget::IgnoreMask);
    rendering_ = false;
    const PixelRows rows{reinterpret_cast<const Pixel*>(shapeImage_.constBits()),
                         shapeImage_.width(), shapeImage_.height(),
                         shapeImage_.bytesPerLine() / static_cast<qsizetype>(sizeof(Pixel))};
    const bool changed = keyShape_.Update(rows, dirty.top(), dirty.bottom() + 1);
    if (changed) {
        ApplyShape();
    }
    ++timings_.shapeUpdates;
    timings_.shapeNs += clock.nsecsElapsed();
}

void ReaderWindow::ApplyShape() {
    ++timings_.shapeApplied;
    std::vector<QRect> rects;
    rects.reserve(keyShape_.rects().size());
    for (const Rect& r : keyShape_.rects()) {
        rects.push_back(ToQRect(r));
    }
    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    // No pixel left: a mask outside the window hides all of it (an empty mask would
    // mean "no mask").
    setMask(region.isEmpty() ? QRegion(-1, -1, 1, 1) : region);
    x11::MatchInputShapeToBounding(this);
}

} // namespace lumio
