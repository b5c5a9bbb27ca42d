// Asks the window manager to change another window's state, as a desktop's own tools do:
// a _NET_WM_STATE client message to the root window.
// Usage: lumio_wm_state WINDOW add|remove STATE...   (STATE such as _NET_WM_STATE_FULLSCREEN)
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <xcb/xcb.h>

namespace {

xcb_atom_t Atom(xcb_connection_t* c, const char* name) {
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace

int main(int argc, char** argv) {
    const std::string action = argc >= 4 ? argv[2] : "";
    if (action != "add" && action != "remove") {
        std::fprintf(stderr, "usage: lumio_wm_state WINDOW add|remove STATE...\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    event.type = Atom(c, "_NET_WM_STATE");
    event.data.data32[0] = action == "add" ? 1 : 0;
    event.data.data32[1] = Atom(c, argv[3]);
    event.data.data32[2] = argc >= 5 ? Atom(c, argv[4]) : 0;
    event.data.data32[3] = 2; // from a pager or other tool acting for the user
    xcb_send_event(c, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
    xcb_disconnect(c);
    return 0;
}
