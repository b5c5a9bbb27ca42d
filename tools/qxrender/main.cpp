// qxrender: draws one qxbutton to an image file, the way a container shows it.
#include "button/offscreen_host.h"
#include "button/qxbutton.h"
#include "options.h"
#include "platform/bitmap_font.h"
#include "platform/image_file.h"

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

namespace lumio::qxrender {
namespace {

constexpr float kTwipsPerPixel = 15.0f;

Bitmap Render(const Options& o, const TextPainter& text) {
    OffscreenHost host(static_cast<float>(o.width) * kTwipsPerPixel,
                       static_cast<float>(o.height) * kTwipsPerPixel, text);
    host.SetAmbientBackColor(o.ambientBack);
    host.displayAsDefault = o.isDefault;
    QxButton button(host);
    host.Attach(&button);

    // A new instance in a running container, then what the options say.
    button.Initialize();
    button.InitProperties();
    button.SetButtonStyle(o.style);
    if (o.backColor) {
        button.SetBackColor(*o.backColor);
    }
    if (o.foreColor) {
        button.SetForeColor(*o.foreColor);
    }
    if (o.focusRect) {
        button.SetShowFocusRect(*o.focusRect);
    }
    if (o.checked) {
        button.SetCheckBoxMode(true);
        button.SetValue(true);
    }
    if (o.disabled) {
        button.SetEnabled(false);
    }
    button.SetCaption(o.caption);
    button.AmbientChanged("DisplayAsDefault");

    ButtonModel& m = button.model();
    m.mHasFocus = o.focus;
    m.mParentActive = !o.inactive;
    m.mMouseOver = o.mouseOver;
    m.mLeftDown = o.leftDown;
    m.mState = o.state;

    // A first showing paints twice; the second picture is the one that stays.
    button.Paint();
    button.Paint();
    return host.Composite();
}

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
    const BitmapFontPainter font;
    const Bitmap image = Render(o, font);
    const auto bytes = EndsWith(o.out, ".ppm") ? EncodePpm(image) : EncodePng(image);
    if (!WriteFileBytes(o.out, bytes)) {
        std::fprintf(stderr, "qxrender: cannot write %s\n", o.out.c_str());
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
