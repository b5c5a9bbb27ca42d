// The reader window laid out at the display scales people use: every control where its
// twips put it at that resolution, and no two controls brought together by rounding.
#include "button/offscreen_host.h"
#include "button/qxbutton.h"
#include "platform/bitmap_font.h"
#include "reader/main_msg_form.h"
#include "reader/main_msg_window.h"
#include "reader/reader_layout.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace lumio {
namespace {

constexpr std::int32_t kCommonDpis[] = {96, 120, 144, 168, 192, 240}; // 100 % .. 250 %

std::string Name(std::u16string_view name) {
    return {name.begin(), name.end()};
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST(ReaderLayoutScale, EveryControlsRectangleAt150And200Percent) {
    struct Row {
        std::u16string_view name;
        Rect at150;
        Rect at200;
    };
    // Edges from the twips (left 80 at 150 %: 80 * 144 / 1440 = 8), sizes rounded on
    // their own (mstart's 405 twips: 40.5 -> 40 at 150 %, 54 at 200 %).
    const Row rows[] = {
        {u"cmd_main", {0, 0, 974, 38}, {0, 0, 1298, 50}},
        {u"mstart", {8, 1, 48, 35}, {11, 1, 65, 47}},
        {u"mzant", {63, 1, 103, 35}, {84, 1, 137, 47}},
        {u"mstop", {118, 1, 158, 35}, {157, 1, 211, 47}},
        {u"Slider1", {176, 3, 326, 33}, {234, 4, 434, 44}},
        {u"Slider2", {344, 3, 494, 33}, {459, 4, 659, 44}},
        {u"loadtxt", {748, 1, 793, 35}, {997, 1, 1057, 47}},
        {u"cmd_top", {810, 1, 850, 35}, {1080, 1, 1134, 47}},
        {u"cmd_tolva", {865, 2, 910, 36}, {1153, 2, 1213, 48}},
        {u"cmd_exit", {924, 1, 964, 35}, {1232, 1, 1286, 47}},
        {u"rtxt1", {0, 36, 974, 104}, {0, 48, 1298, 138}},
    };
    const Form form = LoadMainMsgForm();
    const ReaderLayout at150 = LayoutReaderWindow(form, DisplayScale(144));
    const ReaderLayout at200 = LayoutReaderWindow(form, DisplayScale(192));
    EXPECT_EQ(at150.clientWidth, 975);
    EXPECT_EQ(at150.clientHeight, 208); // 208.5, halves to even
    EXPECT_EQ(at200.clientWidth, 1300);
    EXPECT_EQ(at200.clientHeight, 278);
    EXPECT_EQ(at200.scale, DisplayScale(192));
    ASSERT_EQ(at150.controls.size(), std::size(rows));
    for (const Row& r : rows) {
        ASSERT_NE(at150.Find(r.name), nullptr) << Name(r.name);
        EXPECT_EQ(at150.Find(r.name)->geometry, r.at150) << Name(r.name);
        EXPECT_EQ(at200.Find(r.name)->geometry, r.at200) << Name(r.name);
    }
}

TEST(ReaderLayoutScale, EdgesFollowTheTwipsWithinAPixelAtEveryCommonScale) {
    const Form form = LoadMainMsgForm();
    const ReaderLayout base = LayoutReaderWindow(form);
    for (const std::int32_t dpi : kCommonDpis) {
        const ReaderLayout layout = LayoutReaderWindow(form, DisplayScale(dpi));
        const double s = dpi / 96.0;
        SCOPED_TRACE("dpi " + std::to_string(dpi));
        EXPECT_LE(std::abs(layout.clientWidth - 650 * s), 1.0);
        EXPECT_LE(std::abs(layout.clientHeight - 139 * s), 1.0);
        ASSERT_EQ(layout.controls.size(), base.controls.size());
        for (std::size_t i = 0; i < layout.controls.size(); ++i) {
            const ReaderControl& c = layout.controls[i];
            SCOPED_TRACE(Name(c.name));
            // Same controls in the same order: the title strip stays beneath.
            EXPECT_EQ(c.name, base.controls[i].name);
            const double px = dpi / 1440.0;
            const Rect& g = c.geometry;
            EXPECT_LE(std::abs(g.left - c.leftTwips * px), 0.5);
            EXPECT_LE(std::abs(g.top - c.topTwips * px), 0.5);
            EXPECT_LE(std::abs(g.right - (c.leftTwips + c.widthTwips) * px), 1.0);
            EXPECT_LE(std::abs(g.bottom - (c.topTwips + c.heightTwips) * px), 1.0);
            // Inside the window, with the see-through band right of the strip and the
            // viewer kept.
            EXPECT_GE(g.left, 0);
            EXPECT_LT(g.right, layout.clientWidth);
            EXPECT_LT(g.bottom, layout.clientHeight);
        }
        EXPECT_EQ(layout.tabOrder, base.tabOrder);
    }
}

TEST(ReaderLayoutScale, NothingOverlapsAtAnyScaleThatDidNotAt100Percent) {
    const Form form = LoadMainMsgForm();
    const ReaderLayout base = LayoutReaderWindow(form);
    std::size_t overlapping = 0;
    for (std::size_t i = 0; i < base.controls.size(); ++i) {
        for (std::size_t j = i + 1; j < base.controls.size(); ++j) {
            overlapping += Overlap(base.controls[i].geometry, base.controls[j].geometry) ? 1 : 0;
        }
    }
    // Only the title strip lies under the others: ten pairs.
    EXPECT_EQ(overlapping, base.controls.size() - 1);
    for (const std::int32_t dpi : kCommonDpis) {
        const ReaderLayout layout = LayoutReaderWindow(form, DisplayScale(dpi));
        for (std::size_t i = 0; i < layout.controls.size(); ++i) {
            for (std::size_t j = i + 1; j < layout.controls.size(); ++j) {
                const ReaderControl& a = layout.controls[i];
                const ReaderControl& b = layout.controls[j];
                EXPECT_EQ(Overlap(a.geometry, b.geometry),
                          Overlap(base.controls[i].geometry, base.controls[j].geometry))
                    << Name(a.name) << " and " << Name(b.name) << " at " << dpi << " dpi";
            }
        }
    }
}

TEST(ReaderLayoutScale, TheViewerHoldsOneLineOfItsFontAtEveryScale) {
    const Form form = LoadMainMsgForm();
    for (const std::int32_t dpi : kCommonDpis) {
        const DisplayScale scale(dpi);
        const ReaderLayout layout = LayoutReaderWindow(form, scale);
        const ReaderControl& viewer = *layout.Find(u"rtxt1");
        // The font stays in points; its em grows with the scale as the viewer does.
        EXPECT_EQ(viewer.font.size, 21.75);
        const std::int32_t height = viewer.geometry.bottom - viewer.geometry.top;
        EXPECT_LT(scale.FontPixels(viewer.font.size), height) << dpi;
        EXPECT_GT(scale.FontPixels(viewer.font.size) * 2, height) << dpi; // and fills it
    }
}

// The buttons as the window loads them, drawn at each scale's size in every state: a
// pixel of the colour key inside a button's region would be a hole in it.
TEST(ReaderLayoutScale, NoButtonLookHasAKeyPixelAtAnyScale) {
    const Form form = LoadMainMsgForm();
    const BitmapFontPainter text;
    const Pixel key = ToPixel(MainMsgWindow::kColorKey);
    for (const std::int32_t dpi : kCommonDpis) {
        const ReaderLayout layout = LayoutReaderWindow(form, DisplayScale(dpi));
        for (const ReaderControl& c : layout.controls) {
            if (c.kind != ReaderControlKind::Button) {
                continue;
            }
            const Rect& g = c.geometry;
            OffscreenHost host(static_cast<float>((g.right - g.left) * 15),
                               static_cast<float>((g.bottom - g.top) * 15), text);
            host.ambientBackColor = layout.backColor; // the key, as on the window
            host.artworkFactor = DisplayScale(dpi).ArtworkFactor();
            QxButton button(host);
            host.Attach(&button);
            button.Initialize();
            button.ReadProperties(c.properties);
            for (const std::int32_t state : {0, 1, 2}) {
                for (const bool focus : {false, true}) {
                    ButtonModel& m = button.model();
                    m.mState = state;
                    m.mHasFocus = focus;
                    m.mParentActive = true;
                    m.mMouseOver = state != 0;
                    m.mLeftDown = state == 2;
                    button.Paint();
                    const Bitmap& pixels = host.surface().bitmap();
                    ASSERT_TRUE(host.region().has_value());
                    std::int32_t holes = 0;
                    for (std::int32_t y = 0; y < pixels.height(); ++y) {
                        for (std::int32_t x = 0; x < pixels.width(); ++x) {
                            holes += host.region()->Contains(x, y) &&
                                             (pixels.at(x, y) | kOpaque) == (key | kOpaque)
                                         ? 1
                                         : 0;
                        }
                    }
                    EXPECT_EQ(holes, 0) << Name(c.name) << " at " << dpi << " dpi, state " << state
                                        << (focus ? ", focused" : "");
                }
            }
        }
    }
}

} // namespace
} // namespace lumio
