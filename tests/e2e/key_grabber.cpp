// Another X client that holds a key: grabs KEYSYM (hex) with MODIFIERS (the core mask,
// decimal) on the root window, prints "grabbed" or "refused", then "key" for each press
// it receives, until it is stopped.
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: lumio_key_grabber MODIFIERS KEYSYM\n");
        return 2;
    }
    const auto modifiers = static_cast<std::uint16_t>(std::strtoul(argv[1], nullptr, 10));
    const auto keysym = static_cast<xcb_keysym_t>(std::strtoul(argv[2], nullptr, 16));
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "no display\n");
        return 1;
    }
    const xcb_setup_t* setup = xcb_get_setup(c);
    const xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;
    const auto count = static_cast<std::uint8_t>(setup->max_keycode - setup->min_keycode + 1);
    std::unique_ptr<xcb_get_keyboard_mapping_reply_t, decltype(&std::free)> map(
        xcb_get_keyboard_mapping_reply(c, xcb_get_keyboard_mapping(c, setup->min_keycode, count),
                                       nullptr),
        &std::free);
    if (!map) {
        return 1;
    }
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.get());
    const int per = map->keysyms_per_keycode;
    xcb_keycode_t code = 0;
    for (int i = 0; i < count && code == 0; ++i) {
        if (syms[i * per] == keysym) {
            code = static_cast<xcb_keycode_t>(setup->min_keycode + i);
        }
    }
    if (code == 0) {
        std::fprintf(stderr, "no key for keysym %x\n", keysym);
        return 1;
    }
    std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
        xcb_request_check(c, xcb_grab_key_checked(c, 0, root, modifiers, code, XCB_GRAB_MODE_ASYNC,
                                                  XCB_GRAB_MODE_ASYNC)),
        &std::free);
    std::puts(error ? "refused" : "grabbed");
    std::fflush(stdout);
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        if ((event->response_type & 0x7F) == XCB_KEY_PRESS) {
            std::puts("key");
            std::fflush(stdout);
        }
        std::free(event);
    }
    xcb_disconnect(c);
    return 0;
}
