#include "qt/font_mapping.h"

#include "qt/qt_strings.h"

#include <QFontMetricsF>
#include <QStringList>
#include <cmath>

namespace lumio {

namespace {

struct FontSubstitute {
    const char16_t* name;
    QStringList families;
    // The width of a space in ems the form's font has, where ours is narrower: captions
    // padded with spaces (the title strip's) then keep their place.
    double spaceEm = 0;
};

const FontSubstitute* SubstituteFor(const std::u16string& name) {
    static const FontSubstitute table[] = {
        {u"微软雅黑",
         {"Noto Sans CJK SC", "WenQuanYi Micro Hei", "Source Han Sans SC", "Droid Sans Fallback",
          "DejaVu Sans"},
         0.3},
        {u"Microsoft YaHei",
         {"Noto Sans CJK SC", "WenQuanYi Micro Hei", "Source Han Sans SC", "Droid Sans Fallback",
          "DejaVu Sans"},
         0.3},
        {u"Tahoma", {"DejaVu Sans", "Liberation Sans", "Noto Sans", "Nimbus Sans"}},
        // Webdings' other characters, which we do not draw as pictures.
        {u"Webdings", {"DejaVu Sans", "Liberation Sans", "Noto Sans"}},
    };
    for (const FontSubstitute& s : table) {
        if (name == s.name) {
            return &s;
        }
    }
    return nullptr;
}

} // namespace

int PixelSizeFor(double points) {
    return std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0)));
}

double ExtraSpaceWidth(const FontAttributes& font) {
    const FontSubstitute* s = SubstituteFor(font.name);
    if (!s || s->spaceEm <= 0) {
        return 0;
    }
    const QFont q = QtFontFor(font);
    const double space = QFontMetricsF(q).horizontalAdvance(QLatin1Char(' '));
    return std::max(0.0, s->spaceEm * q.pixelSize() - space);
}

bool IsSymbolFont(const FontAttributes& font) {
    return font.name == u"Webdings";
}

QFont QtFontFor(const FontAttributes& font) {
    QFont q;
    if (const FontSubstitute* s = SubstituteFor(font.name)) {
        q.setFamilies(s->families);
    } else {
        q.setFamilies({ToQString(font.name), "Noto Sans CJK SC", "DejaVu Sans"});
    }
    q.setPixelSize(PixelSizeFor(font.size));
    q.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
    q.setItalic(font.italic);
    q.setUnderline(font.underline);
    q.setStrikeOut(font.strikethrough);
    // Grey-level smoothing only: colour fringes would mix channels independently and
    // could land on the window's colour key.
    q.setStyleStrategy(QFont::NoSubpixelAntialias);
    q.setHintingPreference(QFont::PreferNoHinting);
    return q;
}

} // namespace lumio
