#include "qt/x11_full_screen_watch.h"

#include "qt/x11_connection.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>

namespace lumio {

X11FullScreenWatch::X11FullScreenWatch(QWidget& strip) : strip_(strip) {
    poll_.setInterval(kFullScreenPollMs);
    QObject::connect(&poll_, &QTimer::timeout, &poll_, [this] { LookAndTell(); });
    // A burst of events (a window manager says several states at once) makes one look.
    soon_.setSingleShot(true);
    soon_.setInterval(0);
    QObject::connect(&soon_, &QTimer::timeout, &soon_, [this] { LookAndTell(); });
}

X11FullScreenWatch::~X11FullScreenWatch() {
    Stop();
}

void X11FullScreenWatch::LookSoon() {
    if (running_ && !soon_.isActive()) {
        soon_.start();
    }
}

void X11FullScreenWatch::LookAndTell() {
    if (!running_) {
        return;
    }
    const ScreenState screen = Look();
    Follow(static_cast<std::uint32_t>(screen.front.id));
    seen_(screen);
}

bool X11FullScreenWatch::Ours(std::uint32_t window) const {
    const QWindowList windows = QGuiApplication::allWindows();
    return std::any_of(windows.begin(), windows.end(), [window](QWindow* w) {
        return w->handle() != nullptr && w->winId() == window;
    });
}

#ifdef LUMIO_X11

namespace {

// Qt keeps a screen's top-left corner in the desktop's pixels and scales only its size
// (an X11 desktop set to more than 96 dots per inch): back to the desktop's pixels, where
// the windows are.
Rect DesktopRect(const QScreen& screen) {
    const QRect g = screen.geometry();
    const qreal ratio = screen.devicePixelRatio();
    return {g.x(), g.y(), g.x() + qRound(g.width() * ratio), g.y() + qRound(g.height() * ratio)};
}

constexpr std::uint32_t kFollowMask =
    XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY;

// Asks for `mask` of events on a window that may be gone by the time the server reads
// it: an error is dropped, not reported by Qt as a fault.
void SelectEvents(xcb_connection_t* c, xcb_window_t window, std::uint32_t mask) {
    const xcb_void_cookie_t cookie =
        xcb_change_window_attributes_checked(c, window, XCB_CW_EVENT_MASK, &mask);
    xcb_discard_reply(c, cookie.sequence);
}

std::vector<xcb_atom_t> AtomList(xcb_get_property_reply_t* reply) {
    if (!reply || reply->format != 32 || reply->type != XCB_ATOM_ATOM) {
        return {};
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    return {atoms, atoms + xcb_get_property_value_length(reply) / 4};
}

bool Has(const std::vector<xcb_atom_t>& atoms, std::uint32_t atom) {
    return atom != XCB_ATOM_NONE && std::find(atoms.begin(), atoms.end(), atom) != atoms.end();
}

} // namespace

bool X11FullScreenWatch::Start(std::function<void(const ScreenState&)> seen) {
    xcb_connection_t* c = x11::QtConnection();
    if (!c || running_) {
        return c != nullptr;
    }
    seen_ = std::move(seen);
    root_ = x11::RootWindow(c);
    atoms_.active = x11::InternAtom(c, "_NET_ACTIVE_WINDOW");
    atoms_.state = x11::InternAtom(c, "_NET_WM_STATE");
    atoms_.fullScreen = x11::InternAtom(c, "_NET_WM_STATE_FULLSCREEN");
    atoms_.hidden = x11::InternAtom(c, "_NET_WM_STATE_HIDDEN");
    atoms_.frameExtents = x11::InternAtom(c, "_NET_FRAME_EXTENTS");
    atoms_.type = x11::InternAtom(c, "_NET_WM_WINDOW_TYPE");
    atoms_.desktop = x11::InternAtom(c, "_NET_WM_WINDOW_TYPE_DESKTOP");
    atoms_.dock = x11::InternAtom(c, "_NET_WM_WINDOW_TYPE_DOCK");

    // The root's events are Qt's too: add ours to what it asked for.
    const auto attributes = x11::Owned(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, root_), nullptr));
    const std::uint32_t rootMask = attributes ? attributes->your_event_mask : 0;
    if ((rootMask & XCB_EVENT_MASK_PROPERTY_CHANGE) == 0) {
        SelectEvents(c, root_, rootMask | XCB_EVENT_MASK_PROPERTY_CHANGE);
    }
    xcb_flush(c);
    QCoreApplication::instance()->installNativeEventFilter(this);
    running_ = true;
    poll_.start();
    LookAndTell();
    return true;
}

void X11FullScreenWatch::Stop() {
    if (!running_) {
        return;
    }
    running_ = false;
    poll_.stop();
    soon_.stop();
    Follow(0);
    if (QCoreApplication* app = QCoreApplication::instance()) {
        app->removeNativeEventFilter(this);
    }
}

void X11FullScreenWatch::Follow(std::uint32_t window) {
    xcb_connection_t* c = x11::QtConnection();
    if (!c || window == followed_) {
        return;
    }
    // Our own windows keep the events Qt asked for.
    if (followed_ != XCB_NONE && !Ours(followed_)) {
        SelectEvents(c, followed_, XCB_EVENT_MASK_NO_EVENT);
    }
    followed_ = window;
    if (followed_ != XCB_NONE && !Ours(followed_)) {
        SelectEvents(c, followed_, kFollowMask);
    }
    xcb_flush(c);
}

ScreenState X11FullScreenWatch::Look() {
    ScreenState screen;
    for (const QScreen* s : QGuiApplication::screens()) {
        screen.monitors.push_back(DesktopRect(*s));
    }
    xcb_connection_t* c = x11::QtConnection();
    if (!c) {
        return screen;
    }
    const xcb_window_t root = x11::RootWindow(c);
    const auto strip = static_cast<xcb_window_t>(strip_.winId());
    const auto activeCookie = xcb_get_property(c, 0, root, atoms_.active, XCB_ATOM_WINDOW, 0, 1);
    const auto stripSize = xcb_get_geometry(c, strip);
    const auto stripPlace = xcb_translate_coordinates(c, strip, root, 0, 0);

    const auto activeReply = x11::Owned(xcb_get_property_reply(c, activeCookie, nullptr));
    xcb_window_t active = XCB_NONE;
    if (activeReply && activeReply->format == 32 &&
        xcb_get_property_value_length(activeReply.get()) >= 4) {
        active = *static_cast<const xcb_window_t*>(xcb_get_property_value(activeReply.get()));
    }
    const auto size = x11::Owned(xcb_get_geometry_reply(c, stripSize, nullptr));
    const auto place = x11::Owned(xcb_translate_coordinates_reply(c, stripPlace, nullptr));
    if (size && place) {
        screen.strip = {place->dst_x, place->dst_y, place->dst_x + size->width,
                        place->dst_y + size->height};
    }
    if (active == XCB_NONE || active == root) {
        return screen;
    }

    // Everything about the active window in one round trip. A window gone meanwhile
    // answers nothing, and counts as no window.
    const auto stateCookie = xcb_get_property(c, 0, active, atoms_.state, XCB_ATOM_ATOM, 0, 64);
    const auto typeCookie = xcb_get_property(c, 0, active, atoms_.type, XCB_ATOM_ATOM, 0, 16);
    const auto extentsCookie =
        xcb_get_property(c, 0, active, atoms_.frameExtents, XCB_ATOM_CARDINAL, 0, 4);
    const auto sizeCookie = xcb_get_geometry(c, active);
    const auto placeCookie = xcb_translate_coordinates(c, active, root, 0, 0);
    const auto state = x11::Owned(xcb_get_property_reply(c, stateCookie, nullptr));
    const auto type = x11::Owned(xcb_get_property_reply(c, typeCookie, nullptr));
    const auto extents = x11::Owned(xcb_get_property_reply(c, extentsCookie, nullptr));
    const auto activeSize = x11::Owned(xcb_get_geometry_reply(c, sizeCookie, nullptr));
    const auto activePlace = x11::Owned(xcb_translate_coordinates_reply(c, placeCookie, nullptr));
    if (!activeSize || !activePlace) {
        return screen;
    }

    FrontWindow& front = screen.front;
    front.id = active;
    front.frame = {activePlace->dst_x, activePlace->dst_y, activePlace->dst_x + activeSize->width,
                   activePlace->dst_y + activeSize->height};
    // The frame the window manager drew around it: left, right, top, bottom.
    if (extents && extents->format == 32 && xcb_get_property_value_length(extents.get()) >= 16) {
        const auto* e = static_cast<const std::uint32_t*>(xcb_get_property_value(extents.get()));
        front.frame.left -= static_cast<std::int32_t>(e[0]);
        front.frame.right += static_cast<std::int32_t>(e[1]);
        front.frame.top -= static_cast<std::int32_t>(e[2]);
        front.frame.bottom += static_cast<std::int32_t>(e[3]);
        front.decorated = (e[0] | e[1] | e[2] | e[3]) != 0;
    }
    const std::vector<xcb_atom_t> states = AtomList(state.get());
    front.saysFullScreen = Has(states, atoms_.fullScreen);
    front.minimised = Has(states, atoms_.hidden);
    const std::vector<xcb_atom_t> types = AtomList(type.get());
    front.shell = Has(types, atoms_.desktop) || Has(types, atoms_.dock);
    front.ours = Ours(active);
    return screen;
}

void X11FullScreenWatch::BringStripForward() {
    // Once the strip is mapped: the show it was asked for takes effect queued.
    QTimer::singleShot(0, &poll_, [this] {
        xcb_connection_t* c = x11::QtConnection();
        if (!c || !strip_.isVisible()) {
            return;
        }
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = static_cast<xcb_window_t>(strip_.winId());
        event.type = atoms_.active;
        event.data.data32[0] = 2; // as a pager asks, for the user: not refused as focus stealing
        event.data.data32[1] = XCB_CURRENT_TIME;
        event.data.data32[2] = followed_;
        xcb_send_event(c, 0, root_,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(c);
    });
}

bool X11FullScreenWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (!running_ || eventType != "xcb_generic_event_t") {
        return false;
    }
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7F) {
    case XCB_PROPERTY_NOTIFY: {
        const auto* e = reinterpret_cast<const xcb_property_notify_event_t*>(event);
        if ((e->window == root_ && e->atom == atoms_.active) ||
            (e->window == followed_ && (e->atom == atoms_.state || e->atom == atoms_.frameExtents ||
                                        e->atom == atoms_.type))) {
            LookSoon();
        }
        break;
    }
    case XCB_CONFIGURE_NOTIFY: {
        // Moved or resized: it may cover its monitor now (moves of its frame come as
        // the synthetic notices the window manager sends).
        const auto* e = reinterpret_cast<const xcb_configure_notify_event_t*>(event);
        if (e->window == followed_) {
            LookSoon();
        }
        break;
    }
    case XCB_UNMAP_NOTIFY:
    case XCB_DESTROY_NOTIFY: {
        const auto* e = reinterpret_cast<const xcb_unmap_notify_event_t*>(event);
        if (e->window == followed_) {
            LookSoon();
        }
        break;
    }
    default:
        break;
    }
    return false; // Qt sees every event as before
}

#else

bool X11FullScreenWatch::Start(std::function<void(const ScreenState&)>) {
    return false;
}

void X11FullScreenWatch::BringStripForward() {}

void X11FullScreenWatch::Stop() {}

void X11FullScreenWatch::Follow(std::uint32_t) {}

ScreenState X11FullScreenWatch::Look() {
    return {};
}

bool X11FullScreenWatch::nativeEventFilter(const QByteArray&, void*, qintptr*) {
    return false;
}

#endif

} // namespace lumio
