#include "qt/button_host.h"

#include "platform/numeric.h"
#include "platform/palette.h"
#include "platform/twips.h"
#include "qt/qt_strings.h"

#include <QCursor>
#include <QKeyEvent>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <cmath>

namespace lumio {

namespace {

int Pixels(float twips) {
    return TwipsToPixels(twips);
}

} // namespace

ButtonHost::ButtonHost(QWidget* parent, std::u16string name, const ButtonAmbient& ambient,
                       const TextPainter& text, WindowRegistry& windows, QtDesktop& desktop)
    : QWidget(parent), name_(std::move(name)), ambient_(ambient), text_(text), windows_(windows),
      desktop_(desktop),
      ownWindow_(
          windows.Create(ambient.parentWindow, [this](WindowHandle, MessageNumber m, WParam w,
                                                      LParam l) { return OwnProcedure(m, w, l); })),
      surfaceFont_(ambient.font), button_(std::make_unique<QxButton>(*this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    desktop_.Register(ownWindow_, this);
    surface_.set_back_color(TranslateColor(ambient.backColor, surface_.palette()));
    notifications = NotificationsOf(*button_);
}

ButtonHost::~ButtonHost() {
    // Going away may still move the focus; nobody listens any more.
    notifications = ButtonNotifications{};
    button_->Terminate();
    button_.reset();
    desktop_.Unregister(ownWindow_);
    windows_.Destroy(ownWindow_);
}

void ButtonHost::HandlerError(std::exception_ptr error) {
    // An input handler failed: it has ended; the program goes on.
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& e) {
        qWarning("lumio: %s: %s", QString::fromStdU16String(name_).toLocal8Bit().constData(),
                 e.what());
    } catch (...) {
        qWarning("lumio: %s: an input handler failed",
                 QString::fromStdU16String(name_).toLocal8Bit().constData());
    }
}

void ButtonHost::Load(float leftTwips, float topTwips, float widthTwips, float heightTwips,
                      const PropertyBag& properties) {
    widthTwips_ = widthTwips;
    heightTwips_ = heightTwips;
    move(Pixels(leftTwips), Pixels(topTwips));
    ResizeSurface();
    Deliver([&] {
        button_->Initialize();
        button_->ReadProperties(properties);
    });
}

template <typename F>
void ButtonHost::Deliver(const F& notify) {
    notify();
    update();
}

QImage ButtonHost::SurfaceImage() {
    return QImage(surface_.bytes(), surface_.width(), surface_.height(), surface_.bytes_per_line(),
                  QImage::Format_RGB32);
}

void ButtonHost::ResizeSurface() {
    const int w = std::max(Pixels(widthTwips_), 0);
    const int h = std::max(Pixels(heightTwips_), 0);
    if (surface_.width() != w || surface_.height() != h) {
        surface_.Resize(w, h);
    }
    resize(w, h);
}

void ButtonHost::SetSurfaceEnabled(bool enabled) {
    setEnabled(enabled);
    if (Window* window = windows_.Find(ownWindow_)) {
        window->set_enabled(enabled);
    }
}

void ButtonHost::SetWidth(float twips) {
    widthTwips_ = twips;
    ResizeSurface();
}

void ButtonHost::SetHeight(float twips) {
    heightTwips_ = twips;
    ResizeSurface();
}

void ButtonHost::SetWindowRgn(Region region, bool redraw) {
    QRegion mask;
    for (const Rect& r : region.rects()) {
        mask += QRect(r.left, r.top, r.right - r.left, r.bottom - r.top);
    }
    // An empty region hides the whole window, as it does for a platform window.
    setMask(mask.isEmpty() ? QRegion(-1, -1, 1, 1) : mask);
    if (redraw) {
        update();
    }
}

std::int32_t ButtonHost::ParentProperty(std::string_view name) {
    if (name == "hWnd") {
        return ambient_.parentWindow;
    }
    if (name == "MDIChild") {
        return 0; // the reader window is a top-level window of its own
    }
    throw RuntimeError(ErrorNumber::InvalidPropertyValue, "The parent has no such property");
}

MessageResult ButtonHost::Send(MessageNumber message, WParam wParam, LParam lParam) {
    MessageResult result = 0;
    Deliver([&] { result = windows_.Send(ownWindow_, message, wParam, lParam); });
    return result;
}

MessageResult ButtonHost::OwnProcedure(MessageNumber message, WParam wParam, LParam lParam) {
    return DeliverInput(notifications, message, wParam, lParam, shift_);
}

void ButtonHost::SetSurfaceMousePointer(std::int16_t pointer) {
    mousePointer_ = pointer;
    ApplyCursor();
}

void ButtonHost::SetSurfaceMouseIcon(PictureRef icon) {
    mouseIcon_ = std::move(icon);
    ApplyCursor();
}

void ButtonHost::ApplyCursor() {
    switch (mousePointer_) {
    case 2:
        setCursor(Qt::CrossCursor);
        break;
    case 3:
        setCursor(Qt::IBeamCursor);
        break;
    case 11:
        setCursor(Qt::WaitCursor);
        break;
    case 13:
        setCursor(Qt::BusyCursor);
        break;
    case 15:
        setCursor(Qt::SizeAllCursor);
        break;
    case 99:
        if (mouseIcon_ && !mouseIcon_->image().empty()) {
            const Bitmap& image = mouseIcon_->image();
            const QImage pixels(reinterpret_cast<const uchar*>(image.data()), image.width(),
                                image.height(), image.bytes_per_line(), QImage::Format_RGB32);
            setCursor(QCursor(QPixmap::fromImage(pixels.copy())));
            break;
        }
        unsetCursor();
        break;
    default:
        unsetCursor();
        break;
    }
}

void ButtonHost::MessageBox(std::u16string_view prompt, std::int32_t, std::u16string_view title) {
    QMessageBox::information(this, ToQString(title), ToQString(prompt));
}

void ButtonHost::SetCaption(std::u16string caption) {
    Deliver([&] { button_->SetCaption(std::move(caption)); });
}

void ButtonHost::SetToolTipText(std::u16string text) {
    setToolTip(ToQString(text));
}

void ButtonHost::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, SurfaceImage());
}

// --- Input ---------------------------------------------------------------------------

std::int16_t ButtonHost::ButtonValue(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

std::int16_t ButtonHost::ShiftValue(Qt::KeyboardModifiers modifiers) {
    std::int16_t value = 0;
    if (modifiers & Qt::ShiftModifier) {
        value |= 1;
    }
    if (modifiers & Qt::ControlModifier) {
        value |= 2;
    }
    if (modifiers & Qt::AltModifier) {
        value |= 4;
    }
    return value;
}

std::int16_t ButtonHost::KeyCodeFor(int key) {
    struct KeyCode {
        int qt;
        std::int16_t vk;
    };
    static constexpr KeyCode table[] = {
        {Qt::Key_Backspace, 8}, {Qt::Key_Tab, 9},    {Qt::Key_Backtab, 9},  {Qt::Key_Return, 13},
        {Qt::Key_Enter, 13},    {Qt::Key_Shift, 16}, {Qt::Key_Control, 17}, {Qt::Key_Alt, 18},
        {Qt::Key_Escape, 27},   {Qt::Key_Space, 32}, {Qt::Key_PageUp, 33},  {Qt::Key_PageDown, 34},
        {Qt::Key_End, 35},      {Qt::Key_Home, 36},  {Qt::Key_Left, 37},    {Qt::Key_Up, 38},
        {Qt::Key_Right, 39},    {Qt::Key_Down, 40},  {Qt::Key_Insert, 45},  {Qt::Key_Delete, 46},
    };
    for (const KeyCode& k : table) {
        if (k.qt == key) {
            return k.vk;
        }
    }
    if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) {
        return static_cast<std::int16_t>(key); // the same codes as ASCII
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24) {
        return static_cast<std::int16_t>(112 + (key - Qt::Key_F1));
    }
    return 0;
}

WParam ButtonHost::MouseKeys(Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    WParam keys = 0;
    keys |= (buttons & Qt::LeftButton) ? MK_LBUTTON : 0;
    keys |= (buttons & Qt::RightButton) ? MK_RBUTTON : 0;
    keys |= (buttons & Qt::MiddleButton) ? MK_MBUTTON : 0;
    keys |= (modifiers & Qt::ShiftModifier) ? MK_SHIFT : 0;
    keys |= (modifiers & Qt::ControlModifier) ? MK_CONTROL : 0;
    return keys;
}

void ButtonHost::SendMouse(MessageNumber message, QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    shift_ = ShiftValue(event->modifiers());
    Send(message, MouseKeys(event->buttons(), event->modifiers()), MakeLParam(p.x(), p.y()));
}

void ButtonHost::mousePressEvent(QMouseEvent* event) {
    static constexpr MessageNumber kDown[] = {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN};
    const std::int16_t button = ButtonValue(event->button());
    if (button == 0) {
        return;
    }
    // Like the platform's containers, the host holds the mouse for the control while a
    // button is down on it.
    desktop_.SetCapture(ownWindow_);
    SendMouse(kDown[button == 1 ? 0 : button == 2 ? 1 : 2], event);
}

void ButtonHost::mouseMoveEvent(QMouseEvent* event) {
    SendMouse(WM_MOUSEMOVE, event);
}

void ButtonHost::mouseReleaseEvent(QMouseEvent* event) {
    static constexpr MessageNumber kUp[] = {WM_LBUTTONUP, WM_RBUTTONUP, WM_MBUTTONUP};
    const std::int16_t button = ButtonValue(event->button());
    if (button == 0) {
        return;
    }
    SendMouse(kUp[button == 1 ? 0 : button == 2 ? 1 : 2], event);
    if (event->buttons() == Qt::NoButton && desktop_.GetCapture() == ownWindow_) {
        desktop_.ReleaseCapture();
    }
}

void ButtonHost::mouseDoubleClickEvent(QMouseEvent* event) {
    static constexpr MessageNumber kDouble[] = {WM_LBUTTONDBLCLK, WM_RBUTTONDBLCLK,
                                                WM_MBUTTONDBLCLK};
    const std::int16_t button = ButtonValue(event->button());
    if (button == 0) {
        return;
    }
    desktop_.SetCapture(ownWindow_);
    SendMouse(kDouble[button == 1 ? 0 : button == 2 ? 1 : 2], event);
}

void ButtonHost::leaveEvent(QEvent*) {
    desktop_.PointerLeft(ownWindow_);
    update();
}

void ButtonHost::keyPressEvent(QKeyEvent* event) {
    if ((event->modifiers() & Qt::AltModifier) && accessKeyRouter && !event->text().isEmpty() &&
        accessKeyRouter(event->text().toLower().at(0).unicode())) {
        return;
    }
    const std::int16_t code = KeyCodeFor(event->key());
    if (code == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    shift_ = ShiftValue(event->modifiers());
    Send((event->modifiers() & Qt::AltModifier) ? WM_SYSKEYDOWN : WM_KEYDOWN, code, 0);
}

void ButtonHost::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats its key-down only, as on the platform.
    const std::int16_t code = KeyCodeFor(event->key());
    if (code == 0 || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    shift_ = ShiftValue(event->modifiers());
    Send((event->modifiers() & Qt::AltModifier) ? WM_SYSKEYUP : WM_KEYUP, code, 0);
}

void ButtonHost::focusInEvent(QFocusEvent*) {
    Send(WM_SETFOCUS, 0, 0);
}

void ButtonHost::focusOutEvent(QFocusEvent*) {
    Send(WM_KILLFOCUS, 0, 0);
}

} // namespace lumio
