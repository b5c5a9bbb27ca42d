#include "platform/symbol_font.h"

#include <algorithm>
#include <cmath>

namespace lumio {

namespace {

struct Picture {
    char16_t character;
    std::vector<std::vector<EmPoint>> polygons;
};

const std::vector<Picture>& Pictures() {
    static const std::vector<Picture> pictures = {
        {u'4', {{{0.26, 0.18}, {0.82, 0.50}, {0.26, 0.82}}}}, // play
        {u';',
         {{{0.24, 0.22}, {0.42, 0.22}, {0.42, 0.78}, {0.24, 0.78}}, // pause: two bars
          {{0.58, 0.22}, {0.76, 0.22}, {0.76, 0.78}, {0.58, 0.78}}}},
        {u'<', {{{0.22, 0.22}, {0.78, 0.22}, {0.78, 0.78}, {0.22, 0.78}}}}, // stop
        {u'5', {{{0.50, 0.20}, {0.84, 0.74}, {0.16, 0.74}}}},               // up
        {u'6', {{{0.16, 0.26}, {0.84, 0.26}, {0.50, 0.80}}}},               // down
    };
    return pictures;
}

} // namespace

bool IsSymbolFont(const FontAttributes& font) {
    return font.name == u"Webdings";
}

std::vector<std::vector<EmPoint>> SymbolPicture(char16_t c) {
    for (const Picture& p : Pictures()) {
        if (p.character == c) {
            return p.polygons;
        }
    }
    return {};
}

int PixelSizeFor(double points) {
    return DisplayScale{}.FontPixels(points);
}

double SymbolEmPixels(const FontAttributes& font) {
    return PixelSizeFor(font.size);
}

double SymbolEmPixels(const FontAttributes& font, DisplayScale scale) {
    return scale.FontPixels(font.size);
}

double DesignSpaceEm(const FontAttributes& font) {
    return font.name == u"微软雅黑" || font.name == u"Microsoft YaHei" ? 0.3 : 0;
}

} // namespace lumio
