// Style 14 Capsule: a glossy rounded button painted from fixed artwork instead of
// BackColor, grey at rest, blue when hovered or focused, darker blue when pressed or
// checked. Four corner tiles keep their size (whole multiples of it on a display that
// enlarges the control); bands stretch between them.
#include "button/render/capsule_look.h"

#include "button/render/capsule_maps.h"
#include "button/render/primitives.h"
#include "button/render/style_painter.h"
#include "button/render/style_renderers.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace lumio {

namespace {

// The tile's drawn cells at (left, top), each a square of `factor` pixels; cells off the
// surface are skipped. Each pixel is one write, as SetPixel would do, without a call per
// cell.
void PaintTile(Surface& surface, const CapsuleTile& tile, std::int32_t left, std::int32_t top,
               std::int32_t factor) {
    Bitmap& bitmap = surface.bitmap();
    const std::int64_t rows = std::int64_t{tile.rows} * factor;
    const std::int64_t columns = std::int64_t{tile.columns} * factor;
    const std::int64_t firstRow = std::max<std::int64_t>(0, -std::int64_t{top});
    const std::int64_t endRow = std::min<std::int64_t>(rows, std::int64_t{bitmap.height()} - top);
    const std::int64_t firstColumn = std::max<std::int64_t>(0, -std::int64_t{left});
    const std::int64_t endColumn =
        std::min<std::int64_t>(columns, std::int64_t{bitmap.width()} - left);
    for (std::int64_t row = firstRow; row < endRow; ++row) {
        const std::uint32_t* cells = tile.cells + (row / factor) * tile.columns;
        Pixel* out = bitmap.row(static_cast<std::int32_t>(top + row)) + left;
        for (std::int64_t column = firstColumn; column < endColumn; ++column) {
            const std::uint32_t cell = cells[column / factor];
            if (cell != kCapsuleNotDrawn) {
                out[column] = PixelFromRrggbb(cell);
            }
        }
    }
}

// One band line: a row or a column of one colour from (x1, y1) to (x2, y2), end point
// left out, the pen left at the end point, exactly as DrawLine draws it. With the pen
// copying (the usual mode) the run is filled directly; any other mode goes through
// DrawLine, which applies it.
void BandLine(Surface& surface, std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
              std::uint32_t rrggbb) {
    if (surface.draw_mode() != kDrawModeCopyPen) {
        DrawLine(surface, x1, y1, x2, y2, FromRrggbb(rrggbb));
        return;
    }
    surface.set_current_position({x2, y2});
    // The covered run along the line, as a half-open range: a line drawn backwards
    // covers (end, start].
    auto run = [](std::int64_t from, std::int64_t to) {
        return from <= to ? std::pair{from, to} : std::pair{to + 1, from + 1};
    };
    Bitmap& bitmap = surface.bitmap();
    Rect inside;
    if (y1 == y2) {
        const auto [left, right] = run(x1, x2);
        inside = bitmap.Clip(left, y1, right, std::int64_t{y1} + 1);
    } else {
        const auto [top, bottom] = run(y1, y2);
        inside = bitmap.Clip(x1, top, std::int64_t{x1} + 1, bottom);
    }
    if (inside.left < inside.right) {
        bitmap.FillRect(inside, PixelFromRrggbb(rrggbb));
    }
}

// The map at `factor` pixels per artwork pixel: tiles, band widths and the fill's inset
// grow by it, the bands still stretch between the tiles. At factor 1 these are the
// band lines as the map is drawn at its own size.
void PaintMap(PaintContext& ctx, const CapsuleBands& bands, const CapsuleTiles& tiles) {
    StylePainter p(ctx);
    p.Remeasure();
    const Px W = p.W;
    const Px H = p.H;
    Surface& surface = p.surface;
    const std::int32_t k = std::max(1, ctx.host.ArtworkFactor());
    const auto scaled = [k](std::int32_t artworkPixels) {
        return Px(CheckedMul(artworkPixels, k));
    };

    p.Fill(FromRrggbb(bands.fill), Rect{scaled(4), scaled(4), W - scaled(4), H - scaled(4)});

    // Tiles in the order top-left, bottom-left, top-right, bottom-right: where they
    // overlap on a small button the later one wins.
    const Px right = W - scaled(17);
    PaintTile(surface, tiles.topLeft, 0, 0, k);
    PaintTile(surface, tiles.bottomLeft, 0, H - scaled(tiles.bottomLeft.rows), k);
    PaintTile(surface, tiles.topRight, right, 0, k);
    PaintTile(surface, tiles.bottomRight, right, H - scaled(tiles.bottomRight.rows), k);

    // Bands: lines leave out their end points, so the side bands cover rows
    // 11 .. H - 11 and the top and bottom bands columns 17 .. W - 18 (in artwork pixels).
    const Px sideTop = scaled(11);
    const Px sideEnd = H - scaled(10);
    for (std::size_t x = 0; x < bands.left.size(); ++x) {
        for (std::int32_t i = 0; i < k; ++i) {
            const Px column = scaled(static_cast<std::int32_t>(x)) + i;
            BandLine(surface, column, sideTop, column, sideEnd, bands.left[x]);
        }
    }
    for (std::size_t x = 0; x < bands.right.size(); ++x) {
        for (std::int32_t i = 0; i < k; ++i) {
            const Px column = right + scaled(static_cast<std::int32_t>(x)) + i;
            BandLine(surface, column, sideTop, column, sideEnd, bands.right[x]);
        }
    }
    const Px bandLeft = scaled(17);
    for (std::size_t y = 0; y < bands.top.size(); ++y) {
        for (std::int32_t i = 0; i < k; ++i) {
            const Px row = scaled(static_cast<std::int32_t>(y)) + i;
            BandLine(surface, bandLeft, row, right, row, bands.top[y]);
        }
    }
    const Px bottom = H - scaled(11);
    for (std::size_t y = 0; y < bands.bottom.size(); ++y) {
        for (std::int32_t i = 0; i < k; ++i) {
            const Px row = bottom + scaled(static_cast<std::int32_t>(y)) + i;
            BandLine(surface, bandLeft, row, right, row, bands.bottom[y]);
        }
    }
}

} // namespace

void DrawCapsuleNormal(PaintContext& ctx) {
    PaintMap(ctx, kCapsuleNormalBands, kCapsuleNormalTiles);
}

void DrawCapsuleHot(PaintContext& ctx) {
    PaintMap(ctx, kCapsuleHotBands, kCapsuleHotTiles);
}

void DrawCapsuleDown(PaintContext& ctx) {
    PaintMap(ctx, kCapsuleDownBands, kCapsuleDownTiles);
}

void DrawCapsule(PaintContext& ctx, std::int32_t state) {
    StylePainter p(ctx);
    const ButtonModel& m = p.m;
    std::int32_t s = state;
    if (m.Checked()) {
        s = kStatePressed;
    }
    // A focused or default button in the active window shows the hover look at rest.
    if (m.mParentActive && (m.mDisplayAsDefault || m.mHasFocus)) {
        s = s == kStatePressed ? std::int32_t{kStatePressed} : std::int32_t{kStateHover};
    }
    p.TakeAmbientBackColor();
    switch (s) {
    case kStateNormal:
        p.Region();
        DrawCapsuleNormal(ctx);
        break;
    case kStateHover:
        DrawCapsuleHot(ctx);
        break;
    case kStatePressed:
        DrawCapsuleDown(ctx);
        break;
    default:
        break;
    }
}

} // namespace lumio
