#include "qt/x11_window.h"

#include <QGuiApplication>

#ifdef LUMIO_X11
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/shape.h>
#include <xcb/xcb.h>
#endif

namespace lumio::x11 {

#ifdef LUMIO_X11

namespace {

xcb_connection_t* Connection() {
    auto* native =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return native ? native->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(c, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool IsMapped(xcb_connection_t* c, xcb_window_t window) {
    const auto cookie = xcb_get_window_attributes(c, window);
    std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)> reply(
        xcb_get_window_attributes_reply(c, cookie, nullptr), &std::free);
    return reply && reply->map_state != XCB_MAP_STATE_UNMAPPED;
}

xcb_window_t RootOf(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

// _NET_WM_STATE change request: 0 remove, 1 add.
void RequestState(xcb_connection_t* c, xcb_window_t window, xcb_atom_t state, bool add) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = Atom(c, "_NET_WM_STATE");
    event.data.data32[0] = add ? 1 : 0;
    event.data.data32[1] = state;
    event.data.data32[2] = 0;
    event.data.data32[3] = 1; // from a normal application
    xcb_send_event(c, 0, RootOf(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
}

} // namespace

bool Available() {
    return Connection() != nullptr;
}

void SetWindowStates(QWidget* window, bool skipTaskbar, bool skipPager, bool above) {
    xcb_connection_t* c = Connection();
    if (!c || !window) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t taskbar = Atom(c, "_NET_WM_STATE_SKIP_TASKBAR");
    const xcb_atom_t pager = Atom(c, "_NET_WM_STATE_SKIP_PAGER");
    const xcb_atom_t aboveAtom = Atom(c, "_NET_WM_STATE_ABOVE");
    const xcb_atom_t stays = Atom(c, "_NET_WM_STATE_STAYS_ON_TOP");
    if (!IsMapped(c, id)) {
        std::vector<xcb_atom_t> atoms;
        if (skipTaskbar) {
            atoms.push_back(taskbar);
        }
        if (skipPager) {
            atoms.push_back(pager);
        }
        if (above) {
            atoms.push_back(aboveAtom);
            atoms.push_back(stays);
        }
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, id, Atom(c, "_NET_WM_STATE"), XCB_ATOM_ATOM,
                            32, static_cast<std::uint32_t>(atoms.size()), atoms.data());
    } else {
        RequestState(c, id, taskbar, skipTaskbar);
        RequestState(c, id, pager, skipPager);
        RequestState(c, id, aboveAtom, above);
        RequestState(c, id, stays, above);
    }
    xcb_flush(c);
}

static bool WindowManagerSupports(xcb_connection_t* c, xcb_atom_t wanted) {
    const auto cookie =
        xcb_get_property(c, 0, RootOf(c), Atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 0, 4096);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(c, cookie, nullptr), &std::free);
    if (!reply || reply->format != 32) {
        return false;
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    return std::find(atoms, atoms + count, wanted) != atoms + count;
}

namespace {

constexpr std::uint32_t kMoveResizeMove = 8;
constexpr std::uint32_t kMoveResizeCancel = 11;

// A _NET_WM_MOVERESIZE request to the window manager: ACTION at the pointer's place.
void SendMoveResize(xcb_connection_t* c, xcb_atom_t moveResize, QWidget* window,
                    std::uint32_t action, QPoint at) {
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(window->winId());
    event.type = moveResize;
    event.data.data32[0] = static_cast<std::uint32_t>(at.x());
    event.data.data32[1] = static_cast<std::uint32_t>(at.y());
    event.data.data32[2] = action;
    event.data.data32[3] = 1; // the left button
    event.data.data32[4] = 1; // from a normal application
    xcb_send_event(c, 0, RootOf(c),
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
}

} // namespace

bool StartWindowManagerMove(QWidget* window, QPoint pressedAt) {
    xcb_connection_t* c = Connection();
    if (!c || !window) {
        return false;
    }
    const xcb_atom_t moveResize = Atom(c, "_NET_WM_MOVERESIZE");
    if (!WindowManagerSupports(c, moveResize)) {
        return false;
    }
    // The window manager takes the pointer over from the press's implicit grab.
    xcb_ungrab_pointer(c, XCB_CURRENT_TIME);
    SendMoveResize(c, moveResize, window, kMoveResizeMove, pressedAt);
    return true;
}

void CancelWindowManagerMove(QWidget* window) {
    xcb_connection_t* c = Connection();
    if (!c || !window) {
        return;
    }
    SendMoveResize(c, Atom(c, "_NET_WM_MOVERESIZE"), window, kMoveResizeCancel, QPoint());
}

void MatchInputShapeToBounding(QWidget* window) {
    xcb_connection_t* c = Connection();
    if (!c || !window) {
        return;
    }
    // After the mask's own request on the same connection, so the copy is of this mask.
    const auto id = static_cast<xcb_window_t>(window->winId());
    xcb_shape_combine(c, XCB_SHAPE_SO_SET, XCB_SHAPE_SK_INPUT, XCB_SHAPE_SK_BOUNDING, id, 0, 0, id);
    xcb_flush(c);
}

#else

bool Available() {
    return false;
}

void SetWindowStates(QWidget*, bool, bool, bool) {}

void MatchInputShapeToBounding(QWidget*) {}

bool StartWindowManagerMove(QWidget*, QPoint) {
    return false;
}

void CancelWindowManagerMove(QWidget*) {}

#endif

} // namespace lumio::x11
