// qxrender: draws one qxbutton to an image file, the way a container shows it, or
// a gallery of all the looks.
#include "button_image.h"
#include "gallery.h"
#include "options.h"
#include "platform/bitmap_font.h"
#include "platform/image_file.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace lumio::qxrender {
namespace {

bool EndsWith(const std::string& s, const char* suffix) {
    const std::string x(suffix);
    return s.size() >= x.size() && s.compare(s.size() - x.size(), x.size(), x) == 0;
}

int Run(const std::vector<std::string>& args) {
    const ParseResult parsed = ParseOptions(args);
    if (!parsed.options) {
        std::fprintf(stderr, "qxrender: %s\n%s", parsed.error.c_str(), kUsage);
        return 2;
    }
    const Options& o = *parsed.options;
    if (o.help) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    const BitmapFontPainter font;
    const bool gallery = !o.gallery.empty();
    const std::string& file = gallery ? o.gallery : o.out;
    const Bitmap image = gallery ? RenderGallery(font) : RenderButton(o, font);
    const auto bytes = EndsWith(file, ".ppm") ? EncodePpm(image) : EncodePng(image);
    if (!WriteFileBytes(file, bytes)) {
        std::fprintf(stderr, "qxrender: cannot write %s\n", file.c_str());
        return 1;
    }
    return 0;
}

} // namespace
} // namespace lumio::qxrender

int main(int argc, char** argv) {
    try {
        return lumio::qxrender::Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "qxrender: %s\n", e.what());
        return 1;
    }
}
