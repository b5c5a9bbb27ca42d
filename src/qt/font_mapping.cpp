#include "qt/font_mapping.h"

#include "qt/qt_strings.h"

#include <QFontMetricsF>
#include <QStringList>
#include <cmath>

namespace lumio {

namespace {

// The installed families that stand in for a font the form names.
struct FontSubstitute {
    const char16_t* name;
    QStringList families;
};

const FontSubstitute* SubstituteFor(const std::u16string& name) {
    static const FontSubstitute table[] = {
        {u"微软雅黑",
         {"Noto Sans CJK SC", "WenQuanYi Micro Hei", "Source Han Sans SC", "Droid Sans Fallback",
          "DejaVu Sans"}},
        {u"Microsoft YaHei",
         {"Noto Sans CJK SC", "WenQuanYi Micro Hei", "Source Han Sans SC", "Droid Sans Fallback",
          "DejaVu Sans"}},
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

double ExtraSpaceWidth(const FontAttributes& font) {
    const double em = DesignSpaceEm(font);
    if (em <= 0) {
        return 0;
    }
    const QFont q = QtFontFor(font);
    const double space = QFontMetricsF(q).horizontalAdvance(QLatin1Char(' '));
    return std::max(0.0, em * q.pixelSize() - space);
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
