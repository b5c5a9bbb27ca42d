// Style 14 (Capsule): which look is shown when, the fixed bands, masks, telling rows and
// white cells as they land on the surface, and the tile painter against the literal
// recipe (one pixel write per drawn cell, one line per band) at every small size.
#include "button/render/capsule_look.h"
#include "button/render/capsule_maps.h"
#include "button/render/look_host.h"
#include "button/render/primitives.h"
#include "button/render/style_renderers.h"
#include "platform/pixels.h"

#include <gtest/gtest.h>
#include <set>
#include <utility>
#include <vector>

namespace lumio {
namespace {

using testing::Look;

constexpr std::uint32_t kAmbient = 0x102030; // the LookHost container colour

struct MapCase {
    const char* name;
    const CapsuleBands& bands;
    const CapsuleTiles& tiles;
    std::int32_t state; // the state that shows it, nothing else set
    void (*paint)(PaintContext&);
};

const MapCase kMaps[] = {
    {"normal", kCapsuleNormalBands, kCapsuleNormalTiles, 0, DrawCapsuleNormal},
    {"hot", kCapsuleHotBands, kCapsuleHotTiles, 1, DrawCapsuleHot},
    {"down", kCapsuleDownBands, kCapsuleDownTiles, 2, DrawCapsuleDown},
};

Look Painted(std::int32_t w, std::int32_t h, std::int32_t state) {
    Look b(14, w, h);
    b.Paint(state);
    return b;
}

// --- Which look -------------------------------------------------------------------

TEST(CapsuleLook, ChoosesTheLookFromStateCheckFocusAndDefault) {
    struct Case {
        bool checked, focus, isDefault, active;
        std::int32_t state;
        std::uint32_t fill;
        int regions;
    };
    const std::uint32_t normal = kCapsuleNormalBands.fill;
    const std::uint32_t hot = kCapsuleHotBands.fill;
    const std::uint32_t down = kCapsuleDownBands.fill;
    const Case cases[] = {
        {false, false, false, true, 0, normal, 1}, {false, false, false, true, 1, hot, 0},
        {false, false, false, true, 2, down, 0},   {true, false, false, true, 0, down, 0},
        {true, false, false, false, 1, down, 0},   {false, true, false, true, 0, hot, 0},
        {false, true, false, true, 2, down, 0},    {false, false, true, true, 0, hot, 0},
        {false, true, false, false, 0, normal, 1}, {false, true, true, false, 1, hot, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.checked << c.focus << c.isDefault << c.active << " state " << c.state);
        Look b(14, 100, 40);
        if (c.checked) {
            b.Check();
        }
        b.m.mHasFocus = c.focus;
        b.m.mDisplayAsDefault = c.isDefault;
        b.m.mParentActive = c.active;
        b.Paint(c.state);
        EXPECT_EQ(b.At(50, 20), c.fill);
        EXPECT_EQ(b.host.regions, c.regions);
    }
}

TEST(CapsuleLook, IgnoresBackColorAndEnabledButShowsTheContainerColour) {
    Look plain = Painted(75, 23, 0);
    Look other(14, 75, 23);
    other.m.BackColor = Rgb(255, 0, 0);
    other.m.Enabled = false;
    other.Paint(0);
    EXPECT_EQ(plain.pixels(), other.pixels());
    EXPECT_EQ(plain.At(0, 0), kAmbient);

    Look container(14, 75, 23);
    container.host.ambientBackColor = Rgb(0x44, 0x55, 0x66);
    container.Paint(0);
    EXPECT_EQ(container.At(0, 0), 0x445566u);
    EXPECT_EQ(container.host.surface().back_color(), Rgb(0x44, 0x55, 0x66));
}

// --- The fixed parts on the surface -------------------------------------------------

TEST(CapsuleLook, HundredByFortyExamplesInEveryLook) {
    for (const MapCase& map : kMaps) {
        Look b = Painted(100, 40, map.state);
        EXPECT_EQ(b.At(50, 20), map.bands.fill) << map.name;
        EXPECT_EQ(b.At(0, 20), 0xF7F7F7u) << map.name;
        EXPECT_EQ(b.At(50, 38), map.bands.bottom[9]) << map.name;
        EXPECT_EQ(b.At(50, 39), 0xC5C5C5u) << map.name;
    }
}

TEST(CapsuleLook, BandsLandWhereTheRowTableSays) {
    for (const MapCase& map : kMaps) {
        for (const auto& [w, h] : {std::pair{75, 23}, std::pair{75, 30}, std::pair{200, 60}}) {
            SCOPED_TRACE(::testing::Message() << map.name << " " << w << "x" << h);
            Look b = Painted(w, h, map.state);
            const CapsuleBands& k = map.bands;
            for (std::int32_t y = 0; y < h; ++y) {
                for (std::int32_t x = 0; x < w; ++x) {
                    const bool left = x < 17;
                    const bool right = x >= w - 17;
                    std::uint32_t want = 0;
                    if (y <= 10 && !left && !right) {
                        want = k.top[static_cast<std::size_t>(y)];
                    } else if (y >= 11 && y <= h - 11 && left) {
                        want = k.left[static_cast<std::size_t>(x)];
                    } else if (y >= 11 && y <= h - 11 && right) {
                        want = k.right[static_cast<std::size_t>(x - w + 17)];
                    } else if (y == 11) {
                        want = k.top[11];
                    } else if (y == h - 11) {
                        want = k.bottom[0];
                    } else if (y >= h - 10 && !left && !right) {
                        want = k.bottom[static_cast<std::size_t>(y - h + 11)];
                    } else if (y > 11 && y < h - 11) {
                        want = x == 17 ? k.left[17] : k.fill;
                    } else {
                        continue; // a corner tile
                    }
                    ASSERT_EQ(b.At(x, y), want) << x << "," << y;
                }
            }
        }
    }
}

// The cells outside the rounded outline, per row counted from the outer edge: how many
// pixels from the side are never drawn.
struct Outside {
    std::int32_t row;
    std::int32_t count;
};

TEST(CapsuleLook, OutsideTheOutlineTheContainerShows) {
    const std::vector<Outside> topLeft = {{0, 6}, {1, 5}, {2, 3}, {3, 3},
                                          {4, 2}, {5, 1}, {6, 1}, {7, 1}};
    const std::vector<Outside> topRight = {{0, 7}, {1, 5}, {2, 4}, {3, 3},
                                           {4, 2}, {5, 1}, {6, 1}, {7, 1}};
    const std::vector<Outside> bottomLeft = {{5, 1}, {4, 1}, {3, 2}, {2, 2}, {1, 3}, {0, 5}};
    const std::vector<Outside> bottomRight = {{6, 1}, {5, 1}, {4, 1}, {3, 2},
                                              {2, 3}, {1, 4}, {0, 5}};
    for (const MapCase& map : kMaps) {
        for (const auto& [w, h] : {std::pair{75, 23}, std::pair{200, 60}}) {
            SCOPED_TRACE(::testing::Message() << map.name << " " << w << "x" << h);
            Look b = Painted(w, h, map.state);
            auto check = [&](const std::vector<Outside>& runs, bool top, bool leftSide) {
                for (const Outside& r : runs) {
                    const std::int32_t y = top ? r.row : h - 1 - r.row;
                    for (std::int32_t i = 0; i < r.count; ++i) {
                        const std::int32_t x = leftSide ? i : w - 1 - i;
                        EXPECT_EQ(b.At(x, y), kAmbient) << x << "," << y;
                    }
                    // The next cell in is drawn: not the container's colour.
                    const std::int32_t x = leftSide ? r.count : w - 1 - r.count;
                    EXPECT_NE(b.At(x, y), kAmbient) << x << "," << y;
                }
            };
            check(topLeft, true, true);
            check(topRight, true, false);
            check(bottomLeft, false, true);
            check(bottomRight, false, false);
        }
    }
}

TEST(CapsuleLook, TellingRowsAndRowTen) {
    const std::uint32_t normalRow0[] = {0xFEFEFE, 0xE6E6E6, 0xACACAC, 0x7A7A7A, 0x6C6C6C, 0x6B6B6B,
                                        0x6F6F6F, 0x6F6F71, 0x707072, 0x666867, 0x6B6D6C};
    const std::uint32_t normalRow5[] = {0xFEFEFE, 0xCACACA, 0x696969, 0x949494, 0xA6A6A6, 0xC5C5C5,
                                        0xD8D8D8, 0xE0E0E0, 0xE1E1E1, 0xEAE9EA, 0xE7E7E7, 0xE8E7E9,
                                        0xEAE8EB, 0xE9E7EA, 0xEAE8EB, 0xE9E7EA};
    const std::uint32_t hotRow0[] = {0xFEFEFE, 0xE5E5E6, 0xA5A5A9, 0x5E5E6C, 0x292748, 0x0C0D37,
                                     0x060737, 0x050636, 0x06063A, 0x070841, 0x070745};
    Look normal = Painted(75, 23, 0);
    for (std::int32_t i = 0; i < 11; ++i) {
        EXPECT_EQ(normal.At(6 + i, 0), normalRow0[i]) << i;
    }
    for (std::int32_t i = 0; i < 16; ++i) {
        EXPECT_EQ(normal.At(1 + i, 5), normalRow5[i]) << i;
    }
    Look hot = Painted(75, 23, 1);
    for (std::int32_t i = 0; i < 11; ++i) {
        EXPECT_EQ(hot.At(6 + i, 0), hotRow0[i]) << i;
    }
    // Row 10 continues the side bands in every look.
    for (const MapCase& map : kMaps) {
        Look b = Painted(75, 23, map.state);
        for (std::int32_t x = 0; x < 17; ++x) {
            EXPECT_EQ(b.At(x, 10), map.bands.left[static_cast<std::size_t>(x)]) << map.name;
            EXPECT_EQ(b.At(58 + x, 10), map.bands.right[static_cast<std::size_t>(x)]) << map.name;
        }
    }
}

TEST(CapsuleLook, NormalLookShowsTheFillThroughItsWhiteCells) {
    const std::int32_t w = 75;
    const std::int32_t h = 23;
    Look b = Painted(w, h, 0);
    const std::uint32_t fill = kCapsuleNormalBands.fill;
    const std::pair<std::int32_t, std::int32_t> white[] = {
        {11, h - 6},     {13, h - 6},     {15, h - 6},     {9, h - 5},
        {w - 17, h - 6}, {w - 15, h - 6}, {w - 14, h - 6}, {w - 13, h - 6},
        {w - 10, h - 6}, {w - 12, h - 5}, {w - 10, h - 5},
    };
    for (const auto& [x, y] : white) {
        EXPECT_EQ(b.At(x, y), fill) << x << "," << y;
    }
    // (W - 13, H - 4) lies on the fill rectangle's excluded bottom row: the container
    // shows through it instead.
    EXPECT_EQ(b.At(w - 13, h - 4), kAmbient);
    // Its neighbours in those rows are drawn, near-white.
    EXPECT_EQ(b.At(12, h - 6) & 0xF0F0F0u, 0xF0F0F0u);
}

// --- The tables ----------------------------------------------------------------------

TEST(CapsuleTiles, ExtentsAndTheBandsTheyContinue) {
    struct Extent {
        const CapsuleTiles& tiles;
        const CapsuleBands& bands;
        std::int32_t top, bottom;
    };
    const Extent extents[] = {{kCapsuleNormalTiles, kCapsuleNormalBands, 13, 10},
                              {kCapsuleHotTiles, kCapsuleHotBands, 11, 12},
                              {kCapsuleDownTiles, kCapsuleDownBands, 11, 12}};
    for (const Extent& e : extents) {
        EXPECT_EQ(e.tiles.topLeft.rows, e.top);
        EXPECT_EQ(e.tiles.topRight.rows, e.top);
        EXPECT_EQ(e.tiles.bottomLeft.rows, e.bottom);
        EXPECT_EQ(e.tiles.bottomRight.rows, e.bottom);
        EXPECT_EQ(e.tiles.topLeft.columns, 18);
        EXPECT_EQ(e.tiles.bottomLeft.columns, 18);
        EXPECT_EQ(e.tiles.topRight.columns, 17);
        EXPECT_EQ(e.tiles.bottomRight.columns, 17);
        EXPECT_EQ(e.bands.left[17], e.bands.fill);
        EXPECT_EQ(e.bands.right[0], e.bands.fill);
        EXPECT_EQ(e.bands.top[10], e.bands.fill);
        for (std::int32_t x = 0; x < 18; ++x) {
            EXPECT_EQ(e.tiles.topLeft.at(x, 10), e.bands.left[static_cast<std::size_t>(x)]);
        }
        for (std::int32_t k = 0; k < 17; ++k) {
            EXPECT_EQ(e.tiles.topRight.at(k, 10), e.bands.right[static_cast<std::size_t>(k)]);
        }
    }
}

// --- The painter against the literal recipe ------------------------------------------

void PaintLiterally(Surface& s, const CapsuleBands& k, const CapsuleTiles& t, std::int32_t w,
                    std::int32_t h) {
    FillRectangle(s, FromRrggbb(k.fill), Rect{4, 4, w - 4, h - 4});
    auto paintTile = [&](const CapsuleTile& tile, std::int32_t left, std::int32_t top) {
        for (std::int32_t j = 0; j < tile.rows; ++j) {
            for (std::int32_t i = 0; i < tile.columns; ++i) {
                if (tile.at(i, j) != kCapsuleNotDrawn) {
                    SetPixel(s, left + i, top + j, FromRrggbb(tile.at(i, j)));
                }
            }
        }
    };
    paintTile(t.topLeft, 0, 0);
    paintTile(t.bottomLeft, 0, h - t.bottomLeft.rows);
    paintTile(t.topRight, w - 17, 0);
    paintTile(t.bottomRight, w - 17, h - t.bottomRight.rows);
    for (std::int32_t x = 0; x <= 17; ++x) {
        DrawLine(s, x, 11, x, h - 10, FromRrggbb(k.left[static_cast<std::size_t>(x)]));
    }
    for (std::int32_t i = 0; i <= 16; ++i) {
        DrawLine(s, w - 17 + i, 11, w - 17 + i, h - 10,
                 FromRrggbb(k.right[static_cast<std::size_t>(i)]));
    }
    for (std::int32_t y = 0; y <= 11; ++y) {
        DrawLine(s, 17, y, w - 17, y, FromRrggbb(k.top[static_cast<std::size_t>(y)]));
    }
    for (std::int32_t j = 0; j <= 10; ++j) {
        DrawLine(s, 17, h - 11 + j, w - 17, h - 11 + j,
                 FromRrggbb(k.bottom[static_cast<std::size_t>(j)]));
    }
}

TEST(CapsuleLook, PainterMatchesTheLiteralRecipeAtEverySmallSize) {
    for (const MapCase& map : kMaps) {
        for (std::int32_t h = 1; h <= 30; ++h) {
            for (std::int32_t w = 1; w <= 42; ++w) {
                testing::LookHost host(w, h);
                ButtonModel m;
                PaintContext ctx{m, host};
                map.paint(ctx);

                Surface expected(w, h);
                expected.set_back_color(host.surface().back_color());
                expected.Clear();
                PaintLiterally(expected, map.bands, map.tiles, w, h);
                ASSERT_EQ(host.surface().bitmap(), expected.bitmap())
                    << map.name << " " << w << "x" << h;
            }
        }
    }
}

TEST(CapsuleLook, BandsFollowTheLineDrawingModeLikeAnyLine) {
    testing::LookHost host(60, 30);
    host.surface().SetDrawMode(kDrawModeInvert);
    ButtonModel m;
    PaintContext ctx{m, host};
    DrawCapsuleNormal(ctx);
    Surface expected(60, 30);
    expected.set_back_color(host.surface().back_color());
    expected.Clear();
    expected.SetDrawMode(kDrawModeInvert);
    PaintLiterally(expected, kCapsuleNormalBands, kCapsuleNormalTiles, 60, 30);
    EXPECT_EQ(host.surface().bitmap(), expected.bitmap());
}

} // namespace
} // namespace lumio
