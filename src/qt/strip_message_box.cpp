#include "qt/strip_message_box.h"

#include "reader/message_placement.h"

#include <QScreen>
#include <QShowEvent>

namespace lumio {

namespace {

// The window manager's frame is not known before the box is first mapped; a title bar
// of up to this height is allowed for, so the frame does not reach over the strip.
constexpr int kAssumedTitleBar = 32;

Rect ToRect(const QRect& r) {
    return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

} // namespace

StripMessageBox::StripMessageBox(Icon icon, const QString& title, const QString& text,
                                 QWidget* strip, QWidget* parent)
    : QMessageBox(icon, title, text, QMessageBox::Ok, parent), strip_(strip) {}

void StripMessageBox::setVisible(bool visible) {
    // Here rather than at construction: making the box modal gives it new flags.
    if (visible && !windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    QMessageBox::setVisible(visible);
}

QPoint StripMessageBox::PlaceBeside(const QWidget& strip, QSize frame) {
    // Only the strip's painted part covers anything: the colour key lets the rest through.
    const QRegion shape = strip.mask();
    const QRect painted = shape.isEmpty() ? strip.rect() : shape.boundingRect();
    const QRect onScreen = painted.translated(strip.geometry().topLeft());
    const QScreen* screen = strip.screen();
    const QRect area = screen ? screen->availableGeometry() : onScreen;
    const Point at =
        PlaceClearOfStrip(ToRect(onScreen), frame.width(), frame.height(), ToRect(area));
    return {at.x, at.y};
}

void StripMessageBox::showEvent(QShowEvent* event) {
    // The box has its final size here, and is not on the screen yet.
    QMessageBox::showEvent(event);
    if (!strip_ || event->spontaneous()) {
        return;
    }
    if (frameGeometry().size() != size()) {
        move(PlaceBeside(*strip_, frameGeometry().size())); // the frame's corner
        return;
    }
    // A frame not known yet: the position given is the client's, and the window
    // manager puts its title bar above it.
    const QPoint frame = PlaceBeside(*strip_, size() + QSize(0, kAssumedTitleBar));
    move(frame + QPoint(0, kAssumedTitleBar));
}

} // namespace lumio
