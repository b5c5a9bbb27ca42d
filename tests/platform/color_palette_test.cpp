#include "platform/color.h"
#include "platform/palette.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

TEST(Color, FixedColoursKeepTheirByteOrder) {
    static_assert(FromRrggbb(0xACA899) == Rgb(0xAC, 0xA8, 0x99));
    static_assert(FromRrggbb(0xACA899) == 0x0099A8AC);
    static_assert(RedOf(Rgb(1, 2, 3)) == 1 && GreenOf(Rgb(1, 2, 3)) == 2 &&
                  BlueOf(Rgb(1, 2, 3)) == 3);
    static_assert(SystemColor(15) == static_cast<OleColor>(0x8000000F));
    EXPECT_EQ(ToPixel(FromRrggbb(0x123456)), 0xFF123456u);
    EXPECT_EQ(ToOleColor(0xFF123456u), FromRrggbb(0x123456));
    EXPECT_EQ(PixelFromRrggbb(0xABCDEF), ToPixel(FromRrggbb(0xABCDEF)));
}

TEST(Color, ChannelsOfAnUntranslatableColourUseSignedDivision) {
    // -1 / 256 truncates to 0, so only the low byte survives.
    EXPECT_EQ(RedOf(kInvalidColor), 255);
    EXPECT_EQ(GreenOf(kInvalidColor), 0);
    EXPECT_EQ(BlueOf(kInvalidColor), 0);
}

TEST(Color, DevicesUseTheLowThreeBytes) {
    EXPECT_EQ(ToPixel(kInvalidColor), 0xFFFFFFFFu);
    EXPECT_EQ(ToPixel(SystemColor(15)), 0xFF0F0000u);
    EXPECT_EQ(ToPixel(0x02000080), 0xFF800000u);
}

TEST(TranslateColor, ByTopByte) {
    const SystemPalette& palette = SystemPalette::Default();
    struct Case {
        std::uint32_t in;
        OleColor out;
    };
    const Case cases[] = {
        {0x00000000u, 0},
        {0x00FFFFFFu, 0x00FFFFFF},
        {0x0099A8ACu, FromRrggbb(0xACA899)},
        {0x02123456u, 0x00123456},         // palette-relative: its RGB part
        {0x8000000Fu, Rgb(240, 240, 240)}, // button face
        {0x8000000Cu, Rgb(171, 171, 171)}, // application workspace
        {0x80000011u, Rgb(109, 109, 109)}, // grey text
        {0x80000012u, Rgb(0, 0, 0)},       // button text
        {0x80000000u, Rgb(200, 200, 200)}, // first index
        {0x8000001Eu, Rgb(240, 240, 240)}, // last index, 30
        {0x8000001Fu, kInvalidColor},      // 31 is past the end
        {0x80000100u, kInvalidColor},      // index bits beyond the low byte
        {0x80FFFFFFu, kInvalidColor},
        {0x01000005u, kInvalidColor}, // palette index
        {0x10000000u, kInvalidColor},
        {0xFFFFFFFFu, kInvalidColor},
        {0x81000000u, kInvalidColor},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TranslateColor(static_cast<OleColor>(c.in), palette), c.out) << std::hex << c.in;
    }
}

TEST(SystemPalette, DefaultHoldsTheAgreedDesktopColours) {
    const SystemPalette& p = SystemPalette::Default();
    EXPECT_EQ(p.at(kColorBtnFace), Rgb(240, 240, 240));
    EXPECT_EQ(p.at(kColorBtnShadow), Rgb(160, 160, 160));
    EXPECT_EQ(p.at(kColorBtnHighlight), Rgb(255, 255, 255));
    EXPECT_EQ(p.at(kColor3dDkShadow), Rgb(105, 105, 105));
    EXPECT_EQ(p.at(kColor3dLight), Rgb(227, 227, 227));
    EXPECT_EQ(p.at(13), Rgb(0, 120, 215));
    EXPECT_EQ(p.at(24), Rgb(255, 255, 225));
    EXPECT_EQ(p.at(29), Rgb(51, 153, 255));
}

TEST(SystemPalette, IndicesOutsideTheTableAreRefused) {
    SystemPalette p = SystemPalette::Default();
    EXPECT_EQ(p.at(-1), kInvalidColor);
    EXPECT_EQ(p.at(SystemPalette::kCount), kInvalidColor);
    p.set(-1, 0x123456);
    p.set(31, 0x123456);
    EXPECT_EQ(p, SystemPalette::Default());
    // A stored entry is always a plain colour.
    p.set(15, static_cast<OleColor>(0x80123456u));
    EXPECT_EQ(TranslateColor(SystemColor(15), p), 0x00123456);
}

} // namespace
} // namespace lumio
