#pragma once

// The X11 connection Qt opened, for the parts that speak to the X server themselves.
// Only for files of the Qt front end built with the X11 libraries (LUMIO_X11).
#ifdef LUMIO_X11

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace lumio::x11 {

// An answer of the X server, freed with it.
template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> Owned(T* reply) {
    return Reply<T>(reply, &std::free);
}

// None off X11 (offscreen tests, Wayland).
inline xcb_connection_t* QtConnection() {
    auto* native =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return native ? native->connection() : nullptr;
}

inline xcb_atom_t InternAtom(xcb_connection_t* c, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const auto reply = Owned(xcb_intern_atom_reply(c, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

inline xcb_window_t RootWindow(xcb_connection_t* c) {
    return xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
}

} // namespace lumio::x11

#endif
