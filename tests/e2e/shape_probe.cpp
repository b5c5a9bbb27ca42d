// Prints how an X11 window's shape treats points: for each "X,Y" (window
// coordinates) whether it lies inside the bounding shape and inside the input shape.
//   shape_probe WINDOW-ID X,Y [X,Y ...]   ->   "X,Y bounding=1 input=0" per point
//   shape_probe WINDOW-ID --count         ->   "bounding=N input=M" rectangle counts
//   shape_probe WINDOW-ID --differ W H    ->   "differ=N": the pixels of W x H that are in
//                                              one shape and not in the other
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>
#include <xcb/shape.h>
#include <xcb/xcb.h>

namespace {

std::vector<xcb_rectangle_t> Rectangles(xcb_connection_t* c, xcb_window_t w,
                                        xcb_shape_kind_t kind) {
    const auto cookie = xcb_shape_get_rectangles(c, w, kind);
    xcb_shape_get_rectangles_reply_t* reply = xcb_shape_get_rectangles_reply(c, cookie, nullptr);
    std::vector<xcb_rectangle_t> rects;
    if (reply) {
        const xcb_rectangle_t* r = xcb_shape_get_rectangles_rectangles(reply);
        rects.assign(r, r + xcb_shape_get_rectangles_rectangles_length(reply));
        std::free(reply);
    }
    return rects;
}

bool Inside(const std::vector<xcb_rectangle_t>& rects, int x, int y) {
    for (const xcb_rectangle_t& r : rects) {
        if (x >= r.x && y >= r.y && x < r.x + r.width && y < r.y + r.height) {
            return true;
        }
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: shape_probe WINDOW-ID X,Y... | --count\n");
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "shape_probe: cannot open the display\n");
        return 2;
    }
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    const auto bounding = Rectangles(c, window, XCB_SHAPE_SK_BOUNDING);
    const auto input = Rectangles(c, window, XCB_SHAPE_SK_INPUT);
    if (std::string(argv[2]) == "--count") {
        std::printf("bounding=%zu input=%zu\n", bounding.size(), input.size());
    } else if (std::string(argv[2]) == "--differ" && argc == 5) {
        const int width = std::atoi(argv[3]);
        const int height = std::atoi(argv[4]);
        long differ = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                differ += Inside(bounding, x, y) != Inside(input, x, y) ? 1 : 0;
            }
        }
        std::printf("differ=%ld\n", differ);
    } else {
        for (int i = 2; i < argc; ++i) {
            int x = 0;
            int y = 0;
            if (std::sscanf(argv[i], "%d,%d", &x, &y) != 2) {
                std::fprintf(stderr, "shape_probe: not a point: %s\n", argv[i]);
                return 2;
            }
            std::printf("%d,%d bounding=%d input=%d\n", x, y, Inside(bounding, x, y) ? 1 : 0,
                        Inside(input, x, y) ? 1 : 0);
        }
    }
    xcb_disconnect(c);
    return 0;
}
