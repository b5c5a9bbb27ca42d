// capsule_artwork: draws the corner tiles of the Capsule look (style 14) and prints
// them as the C++ tables the look paints from:
//
//     build/tools/capsule_artwork > src/button/render/capsule_tiles.cpp
//
// The corners are drawn from the bands themselves, so they cannot drift apart: every
// edge of the button has a profile (its band read from the outside in) and a rounded
// outline; a corner pixel takes the profiles at its distance inside the outline, mixed
// by its angle around the corner, and is averaged over 8 x 8 samples so the curve is
// anti-aliased against white. Then the cells the look fixes are set exactly: the
// cells outside the outline (never drawn), the normal look's white cells, row 10
// (which continues the side bands) and the telling rows of the top-left tiles.
#include "button/render/capsule_maps.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

namespace lumio::capsule_artwork {
namespace {

struct Colour {
    double r = 0, g = 0, b = 0;
};

Colour Unpack(std::uint32_t rrggbb) {
    return {static_cast<double>((rrggbb >> 16) & 0xFF), static_cast<double>((rrggbb >> 8) & 0xFF),
            static_cast<double>(rrggbb & 0xFF)};
}

std::uint32_t Pack(const Colour& c) {
    auto channel = [](double v) {
        return static_cast<std::uint32_t>(std::clamp(std::lround(v), 0L, 255L));
    };
    return (channel(c.r) << 16) | (channel(c.g) << 8) | channel(c.b);
}

Colour Mix(const Colour& a, const Colour& b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour Scale(const Colour& c, double f) {
    return {c.r * f, c.g * f, c.b * f};
}

const Colour kBackground = Unpack(0xFFFFFF);

// How much darker the rounded stroke is than the straight ones.
constexpr double kCornerShade = 0.25;

// 1 over the stroke and the first pixels inside it, fading out to either side.
double Bump(double depth) {
    if (depth < -0.5 || depth > 4) {
        return 0;
    }
    if (depth < 0.3) {
        return (depth + 0.5) / 0.8;
    }
    return depth <= 2 ? 1 : (4 - depth) / 2;
}

// One edge's band read from the outside in, and how many of its pixels (halo or
// shadow) lie outside the outline.
struct Profile {
    std::vector<std::uint32_t> outsideIn;
    std::int32_t fringe;
    std::uint32_t fill;

    // The colour at depth d inside the outline's outer edge (negative: outside it).
    Colour At(double d) const {
        const auto index = static_cast<std::int64_t>(std::floor(d)) + fringe;
        if (index < 0) {
            return kBackground;
        }
        if (index >= static_cast<std::int64_t>(outsideIn.size())) {
            return Unpack(fill);
        }
        return Unpack(outsideIn[static_cast<std::size_t>(index)]);
    }
    std::int32_t size() const { return static_cast<std::int32_t>(outsideIn.size()); }
};

template <std::size_t N>
Profile Forward(const std::array<std::uint32_t, N>& band, std::int32_t fringe, std::uint32_t fill) {
    return {std::vector<std::uint32_t>(band.begin(), band.end()), fringe, fill};
}

template <std::size_t N>
Profile Backward(const std::array<std::uint32_t, N>& band, std::int32_t fringe,
                 std::uint32_t fill) {
    return {std::vector<std::uint32_t>(band.rbegin(), band.rend()), fringe, fill};
}

// A corner in its own frame: u runs from the side edge inwards, v from the top or
// bottom edge inwards. The outline is rounded with `radius`.
struct Corner {
    Profile side;
    Profile end;
    double radius;

    Colour At(double u, double v) const {
        const double cu = side.fringe + radius;
        const double cv = end.fringe + radius;
        if (u < cu && v < cv) {
            const double du = cu - u;
            const double dv = cv - v;
            const double depth = radius - std::hypot(du, dv);
            // 0 level with the centre (all side), 1 straight above or below it (all end).
            const double angle = std::atan2(dv, du);
            const double t = angle / (std::numbers::pi / 2);
            const double w = t * t * (3 - 2 * t);
            // The curved stroke is drawn a little heavier than the straight ones, most
            // on the diagonal, with its inner shading.
            const double shade = kCornerShade * Bump(depth) * std::sin(2 * angle);
            return Scale(Mix(side.At(depth), end.At(depth), w), 1 - shade);
        }
        if (u >= cu && v < cv) {
            return end.At(v - end.fringe);
        }
        if (u < cu) {
            return side.At(u - side.fringe);
        }
        // Inside both: the end band where it reaches, the side band beyond.
        return std::floor(v) < end.size() ? end.At(v - end.fringe) : side.At(u - side.fringe);
    }

    // One cell (column i counted from the side edge, row j from the end edge),
    // averaged over 8 x 8 samples.
    std::uint32_t Cell(std::int32_t i, std::int32_t j) const {
        constexpr int kSamples = 8;
        Colour sum;
        for (int sy = 0; sy < kSamples; ++sy) {
            for (int sx = 0; sx < kSamples; ++sx) {
                const Colour c = At(i + (sx + 0.5) / kSamples, j + (sy + 0.5) / kSamples);
                sum.r += c.r;
                sum.g += c.g;
                sum.b += c.b;
            }
        }
        constexpr double n = kSamples * kSamples;
        return Pack({sum.r / n, sum.g / n, sum.b / n});
    }
};

// Outline radii, fitted to the cells that are never drawn.
constexpr double kTopLeftRadius = 11.0;
constexpr double kTopRightRadius = 12.0;
constexpr double kBottomLeftRadius = 8.5;
constexpr double kBottomRightRadius = 9.5;

constexpr std::int32_t kLeftColumns = 18;
constexpr std::int32_t kRightColumns = 17;

struct Tile {
    std::int32_t rows = 0;
    std::int32_t columns = 0;
    std::vector<std::uint32_t> cells;

    std::uint32_t& at(std::int32_t column, std::int32_t row) {
        return cells[static_cast<std::size_t>(row * columns + column)];
    }
    std::uint32_t at(std::int32_t column, std::int32_t row) const {
        return cells[static_cast<std::size_t>(row * columns + column)];
    }
};

// Cells (in tile coordinates) never drawn: the first n columns from the outer side
// of each row, counted from the tile's outer row.
struct OutsideRun {
    std::int32_t rowFromEdge;
    std::int32_t cells;
};

constexpr OutsideRun kOutsideTopLeft[] = {{0, 6}, {1, 5}, {2, 3}, {3, 3},
                                          {4, 2}, {5, 1}, {6, 1}, {7, 1}};
constexpr OutsideRun kOutsideTopRight[] = {{0, 7}, {1, 5}, {2, 4}, {3, 3},
                                           {4, 2}, {5, 1}, {6, 1}, {7, 1}};
constexpr OutsideRun kOutsideBottomLeft[] = {{5, 1}, {4, 1}, {3, 2}, {2, 2}, {1, 3}, {0, 5}};
constexpr OutsideRun kOutsideBottomRight[] = {{6, 1}, {5, 1}, {4, 1}, {3, 2},
                                              {2, 3}, {1, 4}, {0, 5}};

struct Cell {
    std::int32_t column; // from the tile's left
    std::int32_t rowFromEdge;
};

// White artwork cells of the normal look's bottom tiles (drawn as the fill shows).
constexpr Cell kNormalWhiteBottomLeft[] = {{11, 5}, {13, 5}, {15, 5}, {9, 4}};
constexpr Cell kNormalWhiteBottomRight[] = {{0, 5}, {2, 5}, {3, 5}, {4, 5},
                                            {7, 5}, {5, 4}, {7, 4}, {4, 3}};

struct TellingRow {
    std::int32_t row;
    std::int32_t firstColumn;
    std::vector<std::uint32_t> cells;
};

const std::vector<TellingRow> kNormalTelling = {
    {0,
     6,
     {0xFEFEFE, 0xE6E6E6, 0xACACAC, 0x7A7A7A, 0x6C6C6C, 0x6B6B6B, 0x6F6F6F, 0x6F6F71, 0x707072,
      0x666867, 0x6B6D6C}},
    {5,
     1,
     {0xFEFEFE, 0xCACACA, 0x696969, 0x949494, 0xA6A6A6, 0xC5C5C5, 0xD8D8D8, 0xE0E0E0, 0xE1E1E1,
      0xEAE9EA, 0xE7E7E7, 0xE8E7E9, 0xEAE8EB, 0xE9E7EA, 0xEAE8EB, 0xE9E7EA}},
};
const std::vector<TellingRow> kHotTelling = {
    {0,
     6,
     {0xFEFEFE, 0xE5E5E6, 0xA5A5A9, 0x5E5E6C, 0x292748, 0x0C0D37, 0x060737, 0x050636, 0x06063A,
      0x070841, 0x070745}},
};

enum class Place { TopLeft, TopRight, BottomLeft, BottomRight };

bool IsTop(Place p) {
    return p == Place::TopLeft || p == Place::TopRight;
}
bool IsLeft(Place p) {
    return p == Place::TopLeft || p == Place::BottomLeft;
}

Tile DrawTile(const Corner& corner, Place place, std::int32_t rows) {
    Tile tile{rows, IsLeft(place) ? kLeftColumns : kRightColumns, {}};
    tile.cells.resize(static_cast<std::size_t>(tile.rows * tile.columns));
    for (std::int32_t row = 0; row < tile.rows; ++row) {
        for (std::int32_t column = 0; column < tile.columns; ++column) {
            const std::int32_t i = IsLeft(place) ? column : tile.columns - 1 - column;
            const std::int32_t j = IsTop(place) ? row : tile.rows - 1 - row;
            tile.at(column, row) = corner.Cell(i, j);
        }
    }
    return tile;
}

// The tile row and column of a cell given from the tile's outer row and left column.
std::int32_t RowOf(const Tile& tile, Place place, std::int32_t rowFromEdge) {
    return IsTop(place) ? rowFromEdge : tile.rows - 1 - rowFromEdge;
}

void Finish(Tile& tile, Place place, const std::vector<OutsideRun>& outside,
            const std::vector<Cell>& white, const std::vector<std::uint32_t>& row10,
            const std::vector<TellingRow>& telling) {
    // Drawn cells are never white: a barely covered cell keeps a trace of the outline.
    for (std::uint32_t& cell : tile.cells) {
        if (cell == kCapsuleNotDrawn) {
            cell = 0xFEFEFE;
        }
    }
    for (const OutsideRun& run : outside) {
        const std::int32_t row = RowOf(tile, place, run.rowFromEdge);
        for (std::int32_t k = 0; k < run.cells; ++k) {
            tile.at(IsLeft(place) ? k : tile.columns - 1 - k, row) = kCapsuleNotDrawn;
        }
    }
    for (const Cell& c : white) {
        tile.at(c.column, RowOf(tile, place, c.rowFromEdge)) = kCapsuleNotDrawn;
    }
    if (!row10.empty()) {
        for (std::int32_t column = 0; column < tile.columns; ++column) {
            tile.at(column, 10) = row10[static_cast<std::size_t>(column)];
        }
    }
    for (const TellingRow& t : telling) {
        for (std::size_t k = 0; k < t.cells.size(); ++k) {
            tile.at(t.firstColumn + static_cast<std::int32_t>(k), t.row) = t.cells[k];
        }
    }
}

struct Look {
    const char* name;
    const CapsuleBands& bands;
    std::int32_t topRows;
    std::int32_t bottomRows;
    std::vector<Cell> whiteBottomLeft;
    std::vector<Cell> whiteBottomRight;
    std::vector<TellingRow> telling;
};

std::string Hex(std::uint32_t v) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", v);
    return text;
}

void PrintTile(const std::string& name, const Tile& tile) {
    std::printf("constexpr std::uint32_t %s[%d * %d] = {\n", name.c_str(), tile.rows, tile.columns);
    for (std::int32_t row = 0; row < tile.rows; ++row) {
        std::printf("   ");
        for (std::int32_t column = 0; column < tile.columns; ++column) {
            std::printf(" %s,", Hex(tile.at(column, row)).c_str());
        }
        std::printf("\n");
    }
    std::printf("};\n\n");
}

void DrawLook(const Look& look) {
    const CapsuleBands& b = look.bands;
    const Profile left = Forward(b.left, 1, b.fill);
    const Profile right = Backward(b.right, 1, b.fill);
    const Profile top = Forward(b.top, 0, b.fill);
    const Profile bottom = Backward(b.bottom, 1, b.fill);

    Tile tl = DrawTile({left, top, kTopLeftRadius}, Place::TopLeft, look.topRows);
    Tile tr = DrawTile({right, top, kTopRightRadius}, Place::TopRight, look.topRows);
    Tile bl = DrawTile({left, bottom, kBottomLeftRadius}, Place::BottomLeft, look.bottomRows);
    Tile br = DrawTile({right, bottom, kBottomRightRadius}, Place::BottomRight, look.bottomRows);

    const std::vector<std::uint32_t> leftRow10(b.left.begin(), b.left.end());
    const std::vector<std::uint32_t> rightRow10(b.right.begin(), b.right.end());
    Finish(tl, Place::TopLeft, {std::begin(kOutsideTopLeft), std::end(kOutsideTopLeft)}, {},
           leftRow10, look.telling);
    Finish(tr, Place::TopRight, {std::begin(kOutsideTopRight), std::end(kOutsideTopRight)}, {},
           rightRow10, {});
    Finish(bl, Place::BottomLeft, {std::begin(kOutsideBottomLeft), std::end(kOutsideBottomLeft)},
           look.whiteBottomLeft, {}, {});
    Finish(br, Place::BottomRight, {std::begin(kOutsideBottomRight), std::end(kOutsideBottomRight)},
           look.whiteBottomRight, {}, {});

    const std::string n = look.name;
    PrintTile("k" + n + "TopLeft", tl);
    PrintTile("k" + n + "TopRight", tr);
    PrintTile("k" + n + "BottomLeft", bl);
    PrintTile("k" + n + "BottomRight", br);
}

void PrintLookTable(const Look& look) {
    const std::string n = look.name;
    std::printf("const CapsuleTiles kCapsule%sTiles{\n", n.c_str());
    std::printf("    {%d, %d, k%sTopLeft},\n", look.topRows, kLeftColumns, n.c_str());
    std::printf("    {%d, %d, k%sTopRight},\n", look.topRows, kRightColumns, n.c_str());
    std::printf("    {%d, %d, k%sBottomLeft},\n", look.bottomRows, kLeftColumns, n.c_str());
    std::printf("    {%d, %d, k%sBottomRight},\n", look.bottomRows, kRightColumns, n.c_str());
    std::printf("};\n");
}

int Run() {
    const std::vector<Look> looks = {
        {"Normal",
         kCapsuleNormalBands,
         13,
         10,
         {std::begin(kNormalWhiteBottomLeft), std::end(kNormalWhiteBottomLeft)},
         {std::begin(kNormalWhiteBottomRight), std::end(kNormalWhiteBottomRight)},
         kNormalTelling},
        {"Hot", kCapsuleHotBands, 11, 12, {}, {}, kHotTelling},
        {"Down", kCapsuleDownBands, 11, 12, {}, {}, {}},
    };
    std::printf(
        "// The corner tiles of the Capsule look, written by tools/capsule_artwork from the\n"
        "// bands in capsule_maps.h. Regenerate rather than edit:\n"
        "//     build/tools/capsule_artwork > src/button/render/capsule_tiles.cpp\n"
        "// clang-format off\n"
        "#include \"button/render/capsule_maps.h\"\n\n"
        "#include <cstdint>\n\n"
        "namespace lumio {\n\n"
        "namespace {\n\n");
    for (const Look& look : looks) {
        DrawLook(look);
    }
    std::printf("} // namespace\n\n");
    for (const Look& look : looks) {
        PrintLookTable(look);
        std::printf("\n");
    }
    std::printf("} // namespace lumio\n"
                "// clang-format on\n");
    return 0;
}

} // namespace
} // namespace lumio::capsule_artwork

int main() {
    return lumio::capsule_artwork::Run();
}
