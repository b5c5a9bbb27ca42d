#include "button/qxbutton.h"
#include "button/render/paint_button.h"
#include "button/support/test_host.h"
#include "platform/palette.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

using testing::FakeText;
using testing::NewButton;
using testing::TestHost;

// A new instance of the given pixel size, with the caption given.
struct Button {
    TestHost host;
    QxButton q{host};
    Button(std::int32_t w, std::int32_t h, std::u16string caption)
        : host(static_cast<float>(w * 15), static_cast<float>(h * 15)) {
        host.Attach(&q);
        q.Initialize();
        q.InitProperties();
        q.SetCaption(std::move(caption));
    }
    Pixel At(std::int32_t x, std::int32_t y) { return host.surface().bitmap().at(x, y); }
    const FakeText::Draw& LastDraw() const { return host.ownText.draws.back(); }
    void Paint(std::int32_t state) {
        q.model().mState = state;
        q.PaintButton();
    }
};

// Bounding box of the pixels of one colour.
Rect BoxOf(const Surface& s, Pixel p) {
    Rect box{s.width(), s.height(), -1, -1};
    for (std::int32_t y = 0; y < s.height(); ++y) {
        for (std::int32_t x = 0; x < s.width(); ++x) {
            if (s.bitmap().at(x, y) == p) {
                box.left = std::min(box.left, x);
                box.top = std::min(box.top, y);
                box.right = std::max(box.right, x + 1);
                box.bottom = std::max(box.bottom, y + 1);
            }
        }
    }
    return box;
}

const Pixel kRed = PixelFromRrggbb(0xFF0000);

TEST(PaintPipeline, OversizedPictureIsDrawnIntoTheMargins) {
    Button b(20, 20, u"");
    b.q.SetPictureSize(3);
    b.q.SetPicture(testing::MakeBitmap(32, 32, 0xFF0000));
    EXPECT_EQ(BoxOf(b.host.surface(), kRed), (Rect{4, 1, 16, 17}));
    EXPECT_EQ(b.q.model().PW, 12);
    EXPECT_EQ(b.q.model().PH, 16);
}

TEST(PaintPipeline, PictureAlignOutOfRangeDrawsAtOneOneWithTheCaptionAtTheOrigin) {
    Button b(75, 23, u"Go");
    b.q.SetPicture(testing::MakeBitmap(8, 8, 0xFF0000));
    b.q.SetPictureAlign(9);
    EXPECT_EQ(BoxOf(b.host.surface(), kRed), (Rect{1, 1, 9, 9}));
    EXPECT_EQ(b.LastDraw().rect, (Rect{0, 0, 14, 13}));
}

TEST(PaintPipeline, PressedOffsetsOfPictureAndCaption) {
    struct Case {
        std::int32_t style, state;
        Rect picture;
        Rect caption;
    };
    // 75 x 40, 8 x 8 picture centred (PictureAlign 4): (33, 16); caption "Go" 14 x 13
    // centred: tx = 37 - 7 = 30, ty = 20 - 6 = 14.
    const Case cases[] = {
        {0, 0, {33, 16, 41, 24}, {30, 14, 44, 27}},  {0, 2, {34, 17, 42, 25}, {31, 15, 45, 28}},
        {5, 0, {32, 15, 40, 23}, {28, 12, 42, 25}},  {5, 1, {32, 15, 40, 23}, {28, 12, 42, 25}},
        {5, 2, {35, 18, 43, 26}, {31, 16, 45, 28}},  {6, 2, {33, 16, 41, 24}, {30, 14, 44, 27}},
        {14, 1, {33, 16, 41, 24}, {30, 13, 44, 26}},
    };
    for (const Case& c : cases) {
        Button b(75, 40, u"Go");
        b.q.SetPicture(testing::MakeBitmap(8, 8, 0xFF0000));
        b.q.SetPictureAlign(4);
        b.q.SetButtonStyle(c.style);
        b.Paint(c.state);
        EXPECT_EQ(BoxOf(b.host.surface(), kRed), c.picture) << c.style << "/" << c.state;
        EXPECT_EQ(b.LastDraw().rect, c.caption) << c.style << "/" << c.state;
    }
}

TEST(PaintPipeline, CaptionFocusRectangleFollowsRestingCaptionsOnly) {
    Button b(75, 23, u"Go"); // tx 30, ty 5
    b.Paint(0);
    const Rect resting{28, 5, 45, 19};
    EXPECT_EQ(b.q.model().CaptionFocusRect, resting);
    b.q.model().mState = 2;
    b.q.SetCaptionAlign(0); // tx 4, but pressed: not updated
    b.Paint(2);
    EXPECT_EQ(b.q.model().CaptionFocusRect, resting);
    b.Paint(1);
    EXPECT_EQ(b.q.model().CaptionFocusRect, (Rect{2, 5, 19, 19}));
    for (std::int32_t style : {5, 14}) {
        b.q.SetButtonStyle(style);
        b.q.SetCaptionAlign(2);
        b.Paint(0);
        EXPECT_EQ(b.q.model().CaptionFocusRect, (Rect{2, 5, 19, 19})) << style;
    }
}

TEST(PaintPipeline, CheckedButtonsArePaintedPressedExceptStylesThatShowItThemselves) {
    for (std::int32_t style = 0; style <= 16; ++style) {
        Button b(75, 23, u"x");
        b.q.SetButtonStyle(style);
        b.q.SetCheckBoxMode(true);
        b.q.SetValue(true);
        b.Paint(0);
        const bool forced = style != 0 && style != 3 && style != 9;
        EXPECT_EQ(b.q.model().mState, forced ? 2 : 0) << style;
    }
}

TEST(PaintPipeline, ClearsToTheSurfaceBackColourAndMeasures) {
    Button b(75, 23, u"");
    b.host.surface().bitmap().Fill(kRed);
    b.q.SetButtonStyle(16); // no renderer at all
    EXPECT_EQ(BoxOf(b.host.surface(), kRed), (Rect{75, 23, -1, -1}));
    EXPECT_EQ(b.At(0, 0), ToPixel(TranslateColor(SystemColor(kColorBtnFace))));
    EXPECT_EQ(b.q.model().ClientRect, (Rect{0, 0, 75, 23}));
    EXPECT_EQ(b.q.model().mWidth, 75);
    EXPECT_EQ(b.q.model().mHeight, 23);
    EXPECT_EQ(b.host.region()->rects().size(), 1u);
}

TEST(PaintPipeline, CaptionColourAndDisabledDrawing) {
    Button b(75, 23, u"Go");
    b.q.SetForeColor(SystemColor(kColorAppWorkspace));
    EXPECT_EQ(b.LastDraw().color, TranslateColor(SystemColor(kColorAppWorkspace)));
    b.q.SetPicture(testing::MakeBitmap(8, 8, 0xFF0000));
    b.q.SetEnabled(false);
    for (std::int32_t state : {0, 1, 2}) {
        b.Paint(state);
        EXPECT_EQ(b.LastDraw().color, TranslateColor(SystemColor(kColorGrayText)));
        EXPECT_EQ(BoxOf(b.host.surface(), kRed), (Rect{75, 23, -1, -1}));
        EXPECT_EQ(BoxOf(b.host.surface(), PixelFromRrggbb(0x555555)).right -
                      BoxOf(b.host.surface(), PixelFromRrggbb(0x555555)).left,
                  8);
    }
}

TEST(PaintPipeline, AccessKeyMarkerShiftsTheCaptionAndIsDrawnAsGiven) {
    Button plain(75, 23, u"Open");
    Button marked(75, 23, u"&Open");
    // Measured with the marker: 35 wide, so tx = 37 - 17 = 20, plus 3.
    EXPECT_EQ(marked.LastDraw().rect.left, 23);
    EXPECT_EQ(plain.LastDraw().rect.left, 37 - 14);
    EXPECT_EQ(marked.LastDraw().text, u"&Open");
    EXPECT_EQ(marked.host.AccessKeys(), u"o");
}

TEST(PaintPipeline, NarrowTextPathShowsWhatTheCodePageCanHold) {
    Button b(75, 23, u"\u6253\u5F00 TL");
    b.q.model().mIsNT = false;
    b.q.PaintButton();
    EXPECT_EQ(b.LastDraw().text, u"?? TL");
    b.q.model().mIsNT = true;
    b.q.PaintButton();
    EXPECT_EQ(b.LastDraw().text, u"\u6253\u5F00 TL");
}

TEST(PaintPipeline, HoverPictureRule) {
    const auto iconA = testing::MakeIcon(8, 8, 0xFF0000);
    const auto iconB = testing::MakeIcon(8, 8, 0x0000FF);
    const auto bitmapB = testing::MakeBitmap(8, 8, 0x0000FF);
    struct Case {
        PictureRef hover;
        std::int32_t state;
        bool checked;
        std::uint32_t shown;
    };
    const Case cases[] = {
        {iconB, 0, false, 0xFF0000},   {iconB, 1, false, 0x0000FF},
        {iconB, 2, false, 0x0000FF},   {bitmapB, 1, false, 0xFF0000}, // kinds differ
        {nullptr, 1, false, 0xFF0000}, {iconB, 0, true, 0x0000FF},
    };
    for (const Case& c : cases) {
        Button b(75, 40, u"");
        b.q.SetButtonStyle(0); // style 0 keeps a checked button's state
        b.q.SetPicture(iconA);
        if (c.hover) {
            b.q.SetPictureHover(c.hover);
        }
        b.q.SetCheckBoxMode(c.checked);
        b.q.SetValue(c.checked);
        b.Paint(c.state);
        const Rect box = BoxOf(b.host.surface(), PixelFromRrggbb(c.shown));
        EXPECT_EQ(box.right - box.left, 8) << c.state << " checked " << c.checked;
    }
}

TEST(PaintPipeline, BitmapWithMaskColourLeavesThoseSourcePixelsOut) {
    Button b(75, 40, u"");
    Bitmap image(4, 4, PixelFromRrggbb(0xE0E0E0));
    image.set(1, 1, kRed);
    b.q.SetPicture(std::make_shared<const Picture>(Picture::FromBitmap(image)));
    b.q.SetPictureAlign(4);
    EXPECT_EQ(BoxOf(b.host.surface(), PixelFromRrggbb(0xE0E0E0)), (Rect{35, 18, 39, 22}));
    b.q.SetUseMaskColor(true);
    EXPECT_EQ(BoxOf(b.host.surface(), PixelFromRrggbb(0xE0E0E0)), (Rect{75, 40, -1, -1}));
    EXPECT_EQ(b.At(36, 19), kRed);
}

TEST(PaintPipeline, SetButtonRegionUsesTheCurrentSize) {
    Button b(75, 23, u"");
    b.q.SetButtonStyle(14);
    const Region& r = *b.host.region();
    EXPECT_EQ(r.box(), (Rect{0, 0, 75, 23}));
    EXPECT_FALSE(r.Contains(1, 1)); // an 18 x 18 corner cuts deep
    EXPECT_TRUE(r.Contains(9, 0));
}

} // namespace
} // namespace lumio
