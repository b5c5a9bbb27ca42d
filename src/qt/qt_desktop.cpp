#include "qt/qt_desktop.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>

namespace lumio {

namespace {

// Cursors by their system ids; a handle is the id itself.
Qt::CursorShape ShapeOf(CursorHandle cursor) {
    switch (cursor) {
    case IDC_HAND:
        return Qt::PointingHandCursor;
    case IDC_ARROW:
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace

void QtDesktop::Register(WindowHandle handle, QWidget* widget) {
    widgets_[handle] = widget;
}

void QtDesktop::Unregister(WindowHandle handle) {
    widgets_.erase(handle);
    leaveRequests_.erase(handle);
    if (capture_ == handle) {
        capture_ = 0;
    }
}

QWidget* QtDesktop::WidgetOf(WindowHandle handle) const {
    const auto it = widgets_.find(handle);
    return it == widgets_.end() ? nullptr : it->second.data();
}

WindowHandle QtDesktop::HandleOf(const QWidget* widget) const {
    for (const auto& [handle, w] : widgets_) {
        if (w == widget) {
            return handle;
        }
    }
    return 0;
}

Point QtDesktop::GetCursorPos() {
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

WindowHandle QtDesktop::WindowFromPoint(Point screen) {
    const QPoint p(screen.x, screen.y);
    QWidget* w = QApplication::widgetAt(p);
    if (w) {
        // A pixel outside the window's shape belongs to whatever lies below.
        const QWidget* top = w->window();
        if (!top->mask().isEmpty() && !top->mask().contains(top->mapFromGlobal(p))) {
            return 0;
        }
    }
    // Hidden and disabled windows never answer; the window beneath does.
    for (; w != nullptr; w = w->parentWidget()) {
        const WindowHandle handle = HandleOf(w);
        if (handle != 0 && w->isVisible() && w->isEnabled()) {
            return handle;
        }
    }
    return 0;
}

WindowHandle QtDesktop::SetCapture(WindowHandle window) {
    const WindowHandle before = capture_;
    QWidget* w = WidgetOf(window);
    if (!w) {
        return before;
    }
    if (QWidget* old = WidgetOf(capture_); old && old != w) {
        old->releaseMouse();
    }
    w->grabMouse();
    capture_ = window;
    return before;
}

WindowHandle QtDesktop::GetCapture() {
    return WidgetOf(capture_) ? capture_ : 0;
}

bool QtDesktop::ReleaseCapture() {
    if (QWidget* w = WidgetOf(capture_)) {
        w->releaseMouse();
    }
    capture_ = 0;
    return true;
}

CursorHandle QtDesktop::LoadCursorA(ModuleHandle module, std::int32_t cursor_id) {
    if (module != 0) {
        return 0; // only the system's own cursors are here
    }
    return cursor_id == IDC_HAND || cursor_id == IDC_ARROW ? cursor_id : 0;
}

CursorHandle QtDesktop::SetCursor(CursorHandle cursor) {
    // The cursor shows over the window under the pointer (or holding the capture).
    QWidget* w = WidgetOf(capture_);
    if (!w) {
        w = WidgetOf(WindowFromPoint(GetCursorPos()));
    }
    CursorHandle before = 0;
    if (w) {
        before = w->cursor().shape() == Qt::PointingHandCursor ? IDC_HAND : IDC_ARROW;
        w->setCursor(ShapeOf(cursor));
    }
    return before;
}

bool QtDesktop::Track(const TrackMouseEventRecord& request) {
    if (request.cbSize != sizeof(TrackMouseEventRecord) || (request.dwFlags & TME_LEAVE) == 0 ||
        !windows_.IsWindow(request.hwndTrack)) {
        return false;
    }
    const WindowHandle handle = request.hwndTrack;
    leaveRequests_.insert(handle);
    // Already outside: the notification comes as soon as messages are processed.
    if (WindowFromPoint(GetCursorPos()) != handle && GetCapture() != handle) {
        QMetaObject::invokeMethod(
            qApp,
            [this, handle] {
                if (IsTrackingLeave(handle) && WindowFromPoint(GetCursorPos()) != handle) {
                    PointerLeft(handle);
                }
            },
            Qt::QueuedConnection);
    }
    return true;
}

void QtDesktop::PointerLeft(WindowHandle handle) {
    if (leaveRequests_.erase(handle) != 0) {
        windows_.Send(handle, WM_MOUSELEAVE, 0, 0);
    }
}

bool QtDesktop::TrackMouseEvent(const TrackMouseEventRecord& request) {
    return Track(request);
}

bool QtDesktop::ComctlTrackMouseEvent(const TrackMouseEventRecord& request) {
    return Track(request);
}

void QtDesktop::SendKeys(std::string_view keys) {
    // Tab and Shift+Tab as queued key presses: the focused control's container moves
    // the focus when they are processed, as with typed keys.
    const bool back = keys == "+{TAB}";
    if (!back && keys != "{TAB}") {
        return;
    }
    QWidget* focus = QApplication::focusWidget();
    if (!focus) {
        return;
    }
    QCoreApplication::postEvent(focus, new QKeyEvent(QEvent::KeyPress,
                                                     back ? Qt::Key_Backtab : Qt::Key_Tab,
                                                     back ? Qt::ShiftModifier : Qt::NoModifier));
}

void QtDesktop::ProcessPendingMessages() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

} // namespace lumio
