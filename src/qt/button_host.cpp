#include "qt/button_host.h"

#include "platform/numeric.h"
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

constexpr float kTwipsPerPixel = 15.0f;

int Pixels(float twips) {
    return RoundHalfEven(static_cast<double>(twips) / kTwipsPerPixel);
}

} // namespace

ButtonHost::ButtonHost(QWidget* parent, std::u16string name, const ButtonAmbient& ambient,
                       const TextPainter& text, WindowHandle ownWindow)
    : QWidget(parent), name_(std::move(name)), ambient_(ambient), text_(text),
      ownWindow_(ownWindow), surfaceFont_(ambient.font),
      button_(std::make_unique<QxButton>(*this)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

ButtonHost::~ButtonHost() {
    // Going away may still move the focus; nobody listens any more.
    notifications = ButtonNotifications{};
    button_->Terminate();
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

std::int16_t ButtonHost::ButtonsValue(Qt::MouseButtons buttons) {
    std::int16_t value = 0;
    for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton}) {
        if (buttons & b) {
            value = static_cast<std::int16_t>(value | ButtonValue(b));
        }
    }
    return value;
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

void ButtonHost::mousePressEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    Deliver([&] {
        if (notifications.MouseDown) {
            notifications.MouseDown(ButtonValue(event->button()), ShiftValue(event->modifiers()),
                                    static_cast<float>(p.x()), static_cast<float>(p.y()));
        }
    });
}

void ButtonHost::mouseMoveEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    Deliver([&] {
        if (notifications.MouseMove) {
            notifications.MouseMove(ButtonsValue(event->buttons()), ShiftValue(event->modifiers()),
                                    static_cast<float>(p.x()), static_cast<float>(p.y()));
        }
    });
}

void ButtonHost::mouseReleaseEvent(QMouseEvent* event) {
    const QPointF p = event->position();
    Deliver([&] {
        if (notifications.MouseUp) {
            notifications.MouseUp(ButtonValue(event->button()), ShiftValue(event->modifiers()),
                                  static_cast<float>(p.x()), static_cast<float>(p.y()));
        }
    });
}

void ButtonHost::mouseDoubleClickEvent(QMouseEvent*) {
    Deliver([&] {
        if (notifications.DblClick) {
            notifications.DblClick();
        }
    });
}

void ButtonHost::keyPressEvent(QKeyEvent* event) {
    const std::int16_t code = KeyCodeFor(event->key());
    if (code == 0) {
        QWidget::keyPressEvent(event);
        return;
    }
    Deliver([&] {
        if (notifications.KeyDown) {
            notifications.KeyDown(code, ShiftValue(event->modifiers()));
        }
    });
}

void ButtonHost::keyReleaseEvent(QKeyEvent* event) {
    // A held key repeats its key-down only, as on the platform.
    const std::int16_t code = KeyCodeFor(event->key());
    if (code == 0 || event->isAutoRepeat()) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    Deliver([&] {
        if (notifications.KeyUp) {
            notifications.KeyUp(code, ShiftValue(event->modifiers()));
        }
    });
}

void ButtonHost::focusInEvent(QFocusEvent*) {
    Deliver([&] {
        if (notifications.GotFocus) {
            notifications.GotFocus();
        }
    });
}

void ButtonHost::focusOutEvent(QFocusEvent*) {
    Deliver([&] {
        if (notifications.LostFocus) {
            notifications.LostFocus();
        }
    });
}

} // namespace lumio
