// Another program's window, and the desktop tool that changes a window's state, for the
// tests of what the reader does when other windows go full screen.
// Usage:
//   lumio_other_window X Y WIDTH HEIGHT [frameless]
//     A plain white X window (no toolkit that answers the window manager in its own
//     time); prints its id, then lives until it is stopped. frameless asks the window
//     manager for no frame at all (_MOTIF_WM_HINTS), as games and slide shows that simply
//     cover the screen do.
//   lumio_other_window state WINDOW add|remove STATE...
//     Asks the window manager to change WINDOW's _NET_WM_STATE, as a desktop's own tools
//     do (STATE such as _NET_WM_STATE_FULLSCREEN).
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

int AskState(xcb_connection_t* c, const xcb_screen_t* screen, int argc, char** argv) {
    const std::string action = argv[3];
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0));
    event.type = Atom(c, "_NET_WM_STATE");
    event.data.data32[0] = action == "add" ? 1 : 0;
    event.data.data32[1] = Atom(c, argv[4]);
    event.data.data32[2] = argc >= 6 ? Atom(c, argv[5]) : 0;
    event.data.data32[3] = 2; // from a pager or other tool acting for the user
    xcb_send_event(c, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
    return 0;
}

int ShowWindow(xcb_connection_t* c, const xcb_screen_t* screen, int argc, char** argv) {
    const xcb_window_t window = xcb_generate_id(c);
    const std::uint32_t values[] = {screen->white_pixel, XCB_EVENT_MASK_EXPOSURE};
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root,
                      static_cast<std::int16_t>(std::atoi(argv[1])),
                      static_cast<std::int16_t>(std::atoi(argv[2])),
                      static_cast<std::uint16_t>(std::atoi(argv[3])),
                      static_cast<std::uint16_t>(std::atoi(argv[4])), 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_EVENT_MASK, values);
    const char title[] = "lumio-other-window";
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        sizeof(title) - 1, title);
    // Placed where it asks to be, not where the window manager would put it.
    std::uint32_t sizeHints[18] = {};
    sizeHints[0] = 1 | 2; // user position, user size
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NORMAL_HINTS,
                        XCB_ATOM_WM_SIZE_HINTS, 32, 18, sizeHints);
    if (argc == 6) {
        const xcb_atom_t motif = Atom(c, "_MOTIF_WM_HINTS");
        const std::uint32_t hints[5] = {2, 0, 0, 0, 0}; // decorations given: none
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, motif, motif, 32, 5, hints);
    }
    xcb_map_window(c, window);
    xcb_flush(c);
    std::printf("%u\n", window);
    std::fflush(stdout);
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        std::free(event);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const bool state = argc >= 5 && std::string(argv[1]) == "state" &&
                       (std::string(argv[3]) == "add" || std::string(argv[3]) == "remove");
    const bool window = argc == 5 || (argc == 6 && std::string(argv[5]) == "frameless");
    if (!state && !window) {
        std::fprintf(stderr, "usage: lumio_other_window X Y WIDTH HEIGHT [frameless]\n"
                             "       lumio_other_window state WINDOW add|remove STATE...\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const int status = state ? AskState(c, screen, argc, argv) : ShowWindow(c, screen, argc, argv);
    xcb_disconnect(c);
    return status;
}
