#include "button/render/content_layout.h"
#include "platform/errors.h"

#include <gtest/gtest.h>
#include <limits>

namespace lumio {
namespace {

ContentLayoutInput Base(std::int32_t w, std::int32_t h, std::int32_t tw, std::int32_t th) {
    ContentLayoutInput in;
    in.width = w;
    in.height = h;
    in.scaleWidth = static_cast<float>(w);
    in.scaleHeight = static_cast<float>(h);
    in.captionWidth = tw;
    in.captionHeight = th;
    return in;
}

ContentLayoutInput WithPicture(ContentLayoutInput in, std::int32_t pw, std::int32_t ph) {
    in.hasPicture = true;
    in.naturalPictureWidth = pw;
    in.naturalPictureHeight = ph;
    return in;
}

TEST(ContentLayout, CaptionAloneFollowsCaptionAlign) {
    // 75 x 23, caption 30 x 13: centred at (37 - 15, 11 - 6).
    struct Case {
        std::int32_t align;
        std::int32_t tx;
    };
    for (const Case c : {Case{0, 4}, Case{1, 22}, Case{2, 41}, Case{7, 25}}) {
        auto in = Base(75, 23, 30, 13);
        in.captionAlign = c.align;
        const auto out = LayoutContent(in);
        EXPECT_EQ(out.tx, c.tx) << c.align;
        EXPECT_EQ(out.ty, 5);
        EXPECT_EQ(out.px, 0);
        EXPECT_EQ(out.py, 0);
        EXPECT_EQ(out.captionRect, (Rect{c.tx, 5, c.tx + 30, 18}));
    }
}

TEST(ContentLayout, OutOfRangeCaptionAlignKeepsPictureAlignPlacement) {
    auto in = Base(75, 23, 30, 13);
    in.captionAlign = 9;
    in.pictureAlign = 2; // tx = W - TW - 4 - PW with PW = 0
    EXPECT_EQ(LayoutContent(in).tx, 41);
    in.pictureSize = 1; // no picture, but the fixed size still enters the placement
    EXPECT_EQ(LayoutContent(in).tx, 25);
}

TEST(ContentLayout, EveryPictureAlignWithCentredCaption) {
    // W 100, H 60, picture 16 x 16, caption 20 x 10, CaptionAlign 1 (no change except 2).
    struct Case {
        std::int32_t align, px, py, tx, ty;
    };
    const Case cases[] = {
        {0, 4, 22, 48, 25},  // tx = 50 - 10 + 8 = 48, at least 24
        {1, 32, 22, 51, 25}, // px = (100 - 36) / 2; tx = 50 - 10 + 8 + 3
        {2, 80, 22, 40, 25}, // tx stays >= 0, so it is re-centred: 50 - 10
        {3, 52, 22, 29, 25}, // px = min((100 - (16 - 20)) \ 2, 80); tx = 50 - 10 - 8 - 3
        {4, 42, 22, 40, 25}, {5, 42, 4, 40, 35},  {6, 42, 17, 40, 35},
        {7, 42, 40, 40, 15}, {8, 42, 27, 40, 15}, {9, 1, 1, 0, 0},
    };
    for (const auto& c : cases) {
        auto in = WithPicture(Base(100, 60, 20, 10), 16, 16);
        in.pictureAlign = c.align;
        const auto out = LayoutContent(in);
        EXPECT_EQ(out.px, c.px) << c.align;
        EXPECT_EQ(out.py, c.py) << c.align;
        EXPECT_EQ(out.tx, c.tx) << c.align;
        EXPECT_EQ(out.ty, c.ty) << c.align;
        EXPECT_EQ(out.pictureWidth, 16);
    }
}

TEST(ContentLayout, CaptionAlignWithPictureTable) {
    // W 100, H 60, picture 16 x 16, caption 20 x 10.
    struct Case {
        std::int32_t captionAlign, pictureAlign, px, tx;
    };
    const Case cases[] = {
        {0, 0, 4, 24},  {0, 1, 4, 24},  {0, 2, 80, 4},  {0, 3, 24, 4},
        {0, 4, 42, 4},  {0, 8, 42, 4},  {0, 9, 1, 4},   {1, 0, 4, 48},
        {1, 2, 80, 40}, {2, 0, 4, 76},  {2, 1, 56, 76}, {2, 2, 80, 60},
        {2, 3, 80, 60}, {2, 4, 42, 76}, {2, 9, 1, 76},  {3, 0, 4, 48},
    };
    for (const auto& c : cases) {
        auto in = WithPicture(Base(100, 60, 20, 10), 16, 16);
        in.captionAlign = c.captionAlign;
        in.pictureAlign = c.pictureAlign;
        const auto out = LayoutContent(in);
        EXPECT_EQ(out.px, c.px) << c.captionAlign << "/" << c.pictureAlign;
        EXPECT_EQ(out.tx, c.tx) << c.captionAlign << "/" << c.pictureAlign;
    }
}

TEST(ContentLayout, NegativeTxBranchesOfRightAlignedPictures) {
    // A caption wider than the control: PictureAlign 3 falls back to W - TW - 4 - PW,
    // and CaptionAlign 1 with PictureAlign 2 keeps the right-edge formula.
    auto in = WithPicture(Base(40, 30, 60, 10), 8, 8);
    in.pictureAlign = 3;
    EXPECT_EQ(LayoutContent(in).tx, 40 - 60 - 4 - 8);
    in.pictureAlign = 2;
    EXPECT_EQ(LayoutContent(in).tx, 40 - 60 - 4 - 8);
    in.captionAlign = 0; // tx < 4 stays as it is
    EXPECT_EQ(LayoutContent(in).tx, 40 - 60 - 4 - 8);
    in.captionAlign = 2;
    in.pictureAlign = 0; // at least PW + 4
    EXPECT_EQ(LayoutContent(in).tx, 12);
}

TEST(ContentLayout, OversizedPictureShrinksToTheMargins) {
    auto in = Base(20, 20, 0, 0);
    in.hasPicture = true;
    in.pictureSize = 3;
    in.pictureAlign = 1;
    const auto out = LayoutContent(in);
    EXPECT_EQ(out.px, 4);
    EXPECT_EQ(out.py, 1);
    EXPECT_EQ(out.pictureWidth, 12);
    EXPECT_EQ(out.pictureHeight, 16);
}

TEST(ContentLayout, PictureSizes) {
    struct Case {
        std::int32_t size, side;
    };
    for (const Case c :
         {Case{0, 10}, Case{1, 16}, Case{2, 24}, Case{3, 32}, Case{4, 10}, Case{-1, 10}}) {
        auto in = WithPicture(Base(200, 100, 0, 0), 10, 10);
        in.pictureSize = c.size;
        const auto out = LayoutContent(in);
        EXPECT_EQ(out.pictureWidth, c.side) << c.size;
        EXPECT_EQ(out.pictureHeight, c.side) << c.size;
    }
}

TEST(ContentLayout, PictureAlignOutOfRangeDrawsAtOneOne) {
    auto in = WithPicture(Base(75, 23, 30, 13), 16, 16);
    in.pictureAlign = 9;
    const auto out = LayoutContent(in);
    EXPECT_EQ(out.px, 1);
    EXPECT_EQ(out.py, 1);
    EXPECT_EQ(out.captionRect.left, 0);
    EXPECT_EQ(out.captionRect.top, 0);
}

TEST(ContentLayout, AccessKeyShiftsCaptionThreePixels) {
    auto in = Base(75, 23, 30, 13);
    const auto plain = LayoutContent(in);
    in.hasAccessKey = true;
    const auto marked = LayoutContent(in);
    EXPECT_EQ(marked.captionRect.left, plain.captionRect.left + 3);
    EXPECT_EQ(marked.captionRect.right, plain.captionRect.right + 3);
}

TEST(ContentLayout, PressedOffsetsAndCaptionRectanglesPerStyle) {
    struct Case {
        std::int32_t style, state;
        std::int32_t dpx, dpy; // picture offset from the resting placement
        Rect caption;          // relative to (tx, ty), TW 30, TH 13
        bool focus;
    };
    const Case cases[] = {
        {0, 0, 0, 0, {0, 0, 30, 13}, true},      {0, 1, 0, 0, {0, 0, 30, 13}, true},
        {0, 2, 1, 1, {1, 1, 31, 14}, false},     {1, 2, 1, 1, {1, 1, 31, 14}, false},
        {3, 2, 1, 1, {1, 1, 31, 14}, false},     {8, 2, 1, 1, {1, 1, 31, 14}, false},
        {5, 0, -1, -1, {-2, -2, 28, 11}, false}, {5, 1, -1, -1, {-2, -2, 28, 11}, false},
        {5, 2, 2, 2, {1, 2, 31, 14}, false},     {14, 0, 0, 0, {0, -1, 30, 12}, false},
        {14, 2, 0, 0, {0, -1, 30, 12}, false},   {2, 2, 0, 0, {0, 0, 30, 13}, false},
        {6, 1, 0, 0, {0, 0, 30, 13}, true},      {16, 0, 0, 0, {0, 0, 30, 13}, true},
    };
    for (const auto& c : cases) {
        auto in = WithPicture(Base(75, 40, 30, 13), 16, 16);
        in.pictureAlign = 4;
        const auto rest = LayoutContent(in);
        in.buttonStyle = c.style;
        in.state = c.state;
        const auto out = LayoutContent(in);
        const std::int32_t tx = out.tx, ty = out.ty;
        EXPECT_EQ(out.px, rest.px + c.dpx) << c.style << "/" << c.state;
        EXPECT_EQ(out.py, rest.py + c.dpy) << c.style << "/" << c.state;
        EXPECT_EQ(out.captionRect, (Rect{tx + c.caption.left, ty + c.caption.top,
                                         tx + c.caption.right, ty + c.caption.bottom}))
            << c.style << "/" << c.state;
        ASSERT_EQ(out.captionFocusRect.has_value(), c.focus) << c.style << "/" << c.state;
        if (c.focus) {
            EXPECT_EQ(*out.captionFocusRect, (Rect{tx - 2, ty, tx + 31, ty + 14}));
        }
    }
}

TEST(ContentLayout, HugeCaptionRaisesOverflowInsteadOfWrapping) {
    auto in = Base(75, 23, std::numeric_limits<std::int32_t>::max(), 13);
    in.captionAlign = 0;
    try {
        LayoutContent(in);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), ErrorNumber::Overflow);
    }
}

} // namespace
} // namespace lumio
