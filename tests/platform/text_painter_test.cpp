#include "platform/ansi_code_page.h"
#include "platform/bitmap_font.h"
#include "platform/text_painter.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

TEST(ProcessPrefixes, MarkersEscapesAndTrailingAmpersand) {
    struct Case {
        std::u16string caption, text;
        std::vector<std::size_t> underlined;
    };
    const Case cases[] = {
        {u"&Open", u"Open", {0}},
        {u"Save && Exit", u"Save & Exit", {}},
        {u"A&&B &Close", u"A&B Close", {4}},
        {u"x&", u"x", {}},
        {u"&", u"", {}},
        {u"&&&x", u"&x", {1}},
        {u"a&b&c", u"abc", {1, 2}},
        {u"", u"", {}},
    };
    for (const Case& c : cases) {
        const PrefixedText p = ProcessPrefixes(c.caption);
        EXPECT_EQ(p.text, c.text);
        EXPECT_EQ(p.underlined, c.underlined);
    }
}

TEST(AnsiCodePage, NonAsciiBecomesOneQuestionMarkPerCharacter) {
    EXPECT_EQ(ToAnsi(u"TL \u6253\u5F00 \xD83D\xDE00!"), "TL ?? ?!");
    EXPECT_EQ(FromAnsi("a?\x80"), u"a??");
}

TEST(BitmapFont, MeasuresByCharacterCell) {
    const BitmapFontPainter font;
    const FontAttributes regular{u"Tahoma", 8.25, 400, 0};
    const FontAttributes bold{u"Tahoma", 8.25, 700, 0};
    const FontAttributes big{u"YaHei", 21.75, 400, 134};
    EXPECT_EQ(font.Measure(regular, u"Go").width, 12);
    EXPECT_EQ(font.Measure(regular, u"Go").height, 12);
    EXPECT_EQ(font.Measure(bold, u"Go").width, 14);
    EXPECT_EQ(font.Measure(regular, u"\u6253\u5F00").width, 24);
    EXPECT_EQ(font.Measure(regular, u"\xD83D\xDE00").width, 6); // one character
    EXPECT_EQ(font.Measure(big, u"A").width, 12);
    EXPECT_EQ(font.Measure(big, u"A").height, 24);
    EXPECT_EQ(font.Measure(regular, u"").width, 0);
}

std::string Render(const Surface& s) {
    std::string out;
    for (std::int32_t y = 0; y < s.height(); ++y) {
        for (std::int32_t x = 0; x < s.width(); ++x) {
            out += s.bitmap().at(x, y) == PixelFromRrggbb(0x000000) ? '#' : '.';
        }
        out += '\n';
    }
    return out;
}

TEST(BitmapFont, DrawsGlyphsUnderlinesAndClipsToTheRectangle) {
    const BitmapFontPainter font;
    Surface s(8, 12);
    s.set_back_color(Rgb(255, 255, 255));
    s.Clear();
    s.set_text_color(Rgb(0, 0, 0));
    font.DrawSingleLine(s, {u"Tahoma", 8.25, 400, 0}, u"&T", Rect{1, 0, 8, 12});
    EXPECT_EQ(Render(s), "........\n"
                         "........\n"
                         ".#####..\n"
                         "...#....\n"
                         "...#....\n"
                         "...#....\n"
                         "...#....\n"
                         "...#....\n"
                         "...#....\n"
                         "........\n"
                         ".######.\n"
                         "........\n");
    Surface clipped(8, 12);
    clipped.Clear();
    font.DrawSingleLine(clipped, {u"Tahoma", 8.25, 400, 0}, u"T", Rect{1, 0, 3, 4});
    EXPECT_EQ(Render(clipped).substr(0, 27), "........\n........\n.##.....\n");
    // Far outside the surface nothing is written and nothing breaks.
    font.DrawSingleLine(clipped, {u"Tahoma", 8.25, 700, 0}, u"WW",
                        Rect{2147483000, 2147483000, 2147483647, 2147483647});
    EXPECT_EQ(Render(clipped).substr(0, 27), "........\n........\n.##.....\n");
}

TEST(BitmapFont, OtherCharactersAreBoxes) {
    const BitmapFontPainter font;
    Surface s(6, 12);
    s.Clear();
    font.DrawSingleLine(s, {u"Tahoma", 8.25, 400, 0}, u"\u00D7", Rect{0, 0, 6, 12});
    EXPECT_EQ(Render(s).substr(14, 35), "#####.\n#...#.\n#...#.\n#...#.\n#...#.\n");
}

} // namespace
} // namespace lumio
