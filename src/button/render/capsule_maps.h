#pragma once

#include <array>
#include <cstdint>

namespace lumio {

// The artwork of the Capsule look (style 14). Colours are 0xRRGGBB.
//
// A map is four corner tiles, four bands that stretch with the button and a flat
// fill for the middle. A tile cell of kCapsuleNotDrawn (pure white) is left alone, so
// whatever lies under it shows: the fill, or the container's colour outside the fill.

inline constexpr std::uint32_t kCapsuleNotDrawn = 0xFFFFFF;

// Tile cells row by row, `columns` per row. A top tile's row 0 is the button's row 0;
// a bottom tile's last row is the button's last row. Left tiles start at column 0,
// right tiles at column W - 17.
struct CapsuleTile {
    std::int32_t rows;
    std::int32_t columns;
    const std::uint32_t* cells;

    std::uint32_t at(std::int32_t column, std::int32_t row) const {
        return cells[row * columns + column];
    }
};

struct CapsuleBands {
    std::uint32_t fill;
    std::array<std::uint32_t, 12> top;    // rows 0 .. 11
    std::array<std::uint32_t, 11> bottom; // rows H - 11 .. H - 1
    std::array<std::uint32_t, 18> left;   // columns 0 .. 17
    std::array<std::uint32_t, 17> right;  // columns W - 17 .. W - 1
};

struct CapsuleTiles {
    CapsuleTile topLeft;
    CapsuleTile topRight;
    CapsuleTile bottomLeft;
    CapsuleTile bottomRight;
};

struct CapsuleMap {
    const CapsuleBands& bands;
    const CapsuleTiles& tiles;
};

// The grey look at rest.
inline constexpr CapsuleBands kCapsuleNormalBands{
    0xE8E7EA,
    {0x6A6967, 0xF6F4F5, 0xF4F2F3, 0xEEEEEE, 0xEBEBEB, 0xEAE8EB, 0xEAE8EB, 0xEAEAEA, 0xE1E1E1,
     0xE3E2E5, 0xE8E7EA, 0xE9EBE8},
    {0xE9EBE8, 0xEFF1EE, 0xF2F2F2, 0xF5F5F5, 0xFEFEFF, 0xFFFFFF, 0xFDFDFD, 0xFEFEFE, 0xFBFBFB,
     0x545454, 0xC5C5C5},
    {0xF7F7F7, 0xA0A0A0, 0x999999, 0xC3C3C3, 0xC9C9C9, 0xD5D5D5, 0xD7D7D7, 0xDFDFDF, 0xE0E0E0,
     0xE0E0E0, 0xE4E4E4, 0xE6E8E6, 0xE7E7E8, 0xE8E7EA, 0xE8E7EA, 0xE8E7EA, 0xE8E7EA, 0xE8E7EA},
    {0xE8E7EA, 0xE8E7EA, 0xE8E7EA, 0xE8E7EA, 0xE7E7E7, 0xE6E6E6, 0xE4E4E4, 0xE0E0E0, 0xE0E0E0,
     0xDEDEDE, 0xD9D9D9, 0xD3D3D3, 0xCCCCCC, 0xC3C3C3, 0xA3A3A3, 0x9C9C9C, 0xF6F6F6},
};

// The blue look for hover and focus.
inline constexpr CapsuleBands kCapsuleHotBands{
    0x6AA6E2,
    {0x080645, 0xC9D4F1, 0xBDC8E5, 0xA1C0E8, 0x98B8E0, 0x8EB4E3, 0x8BB1E0, 0x7FB4E9, 0x6399CE,
     0x64A0DD, 0x6AA6E2, 0x76ACE6},
    {0x76ACE6, 0x81B6F1, 0x8ABDF3, 0x92C5FC, 0x97CEF8, 0x9ED5FE, 0xA3DDF7, 0xADE6FF, 0xC5E2E9,
     0x405D63, 0xC5C5C5},
    {0xF7F7F7, 0x9EA0B0, 0x132E71, 0x145FBD, 0x2773D1, 0x317FD4, 0x3D8CD9, 0x4B94D9, 0x4F94D7,
     0x559CDC, 0x579BDC, 0x62A3E3, 0x65A2E3, 0x67A3E2, 0x65A1E0, 0x6AA6E3, 0x6AA6E3, 0x6AA6E2},
    {0x6AA6E2, 0x6AA6E2, 0x64A4E1, 0x63A3E0, 0x63A3E0, 0x61A1E1, 0x5B9FE0, 0x5598DE, 0x5297DC,
     0x4B93DB, 0x398DD6, 0x2D7FD1, 0x2674D6, 0x135DC0, 0x14357C, 0x989BAB, 0xF6F6F6},
};

// The darker blue look for pressed or checked.
inline constexpr CapsuleBands kCapsuleDownBands{
    0x6A9BCC,
    {0x0A093C, 0xBEC7DE, 0xB2BCD3, 0x9AB3D4, 0x92ACCC, 0x8AA8CF, 0x87A5CC, 0x7DA7D2, 0x628EB9,
     0x6494C6, 0x6A9BCC, 0x75A1D0},
    {0x75A1D0, 0x7FAADA, 0x87B0DC, 0x8EB8E4, 0x93BFE1, 0x99C6E7, 0x9DCCE2, 0xA6D5E9, 0xBAD2D7,
     0x3E565A, 0xC5C5C5},
    {0xF7F7F7, 0x9B9DA9, 0x172D63, 0x1D5AA6, 0x2E6CB9, 0x3877BC, 0x4282C1, 0x4E89C2, 0x528AC1,
     0x5791C5, 0x5991C5, 0x6398CC, 0x6596CC, 0x6797CB, 0x6595C9, 0x6A9ACC, 0x6A9ACC, 0x6A9BCC},
    {0x6A9BCC, 0x6A9BCC, 0x6498CA, 0x6397C9, 0x6397C9, 0x6295CA, 0x5D94C9, 0x578EC6, 0x558CC4,
     0x4E88C3, 0x3E82BE, 0x3476B9, 0x2D6DBD, 0x1C58A8, 0x19336D, 0x9497A4, 0xF6F6F6},
};

// The corner tiles, generated once from the bands by tools/capsule_artwork.
extern const CapsuleTiles kCapsuleNormalTiles;
extern const CapsuleTiles kCapsuleHotTiles;
extern const CapsuleTiles kCapsuleDownTiles;

} // namespace lumio
