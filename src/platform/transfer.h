#pragma once

#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/picture.h"
#include "platform/surface.h"

#include <cstdint>

namespace lumio {

// Raster operations of the bitmap transfers: how a source pixel S meets the
// destination pixel D.
enum RasterOp : std::uint32_t {
    kSrcCopy = 0x00CC0020,   // S
    kSrcPaint = 0x00EE0086,  // S | D
    kSrcAnd = 0x008800C6,    // S & D
    kSrcInvert = 0x00660046, // S ^ D
};

// A 32-bit device-independent pixel array as the platform passes it: `width` x
// |height| pixels (0x00RRGGBB words), rows packed; a positive height means bottom-up
// (the first row in memory is the bottom row of the image), a negative one top-down.
struct DibView {
    const Pixel* bits = nullptr;
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// StretchDIBits: copies the source rectangle (x, y, width, height in the DIB's own
// coordinates: for a bottom-up DIB y counts from the bottom row) to the destination
// rectangle, scaled when the sizes differ, with the surface's stretch mode. Returns the
// number of source rows (|dib.height|), or 0 when nothing could be done.
std::int32_t StretchDIBits(Surface& surface, std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height, std::int32_t src_x, std::int32_t src_y,
                           std::int32_t src_width, std::int32_t src_height, const DibView& dib,
                           std::uint32_t rop);

// StretchBlt from a bitmap. A negative width or height mirrors: the destination then
// runs from x (or y) towards smaller coordinates. Shrinking merges pixels according to
// the surface's stretch mode. Source pixels outside the bitmap are not read.
bool StretchBlt(Surface& surface, std::int32_t x, std::int32_t y, std::int32_t width,
                std::int32_t height, const Bitmap& source, std::int32_t src_x, std::int32_t src_y,
                std::int32_t src_width, std::int32_t src_height, std::uint32_t rop);

// TransparentBlt: like a colour-on-colour StretchBlt copy, but source pixels whose
// colour equals `transparent` leave the destination alone. The colour is compared as
// the device sees it (low 24 bits), so it is passed exactly as stored.
bool TransparentBlt(Surface& surface, std::int32_t x, std::int32_t y, std::int32_t width,
                    std::int32_t height, const Bitmap& source, std::int32_t src_x,
                    std::int32_t src_y, std::int32_t src_width, std::int32_t src_height,
                    OleColor transparent);

// DrawIconEx in normal mode (mask AND, then image XOR), scaled to width x height
// (0 means the icon's own size). Fails, drawing nothing, for anything but an icon.
bool DrawIconEx(Surface& surface, std::int32_t x, std::int32_t y, const Picture& icon,
                std::int32_t width, std::int32_t height);

} // namespace lumio
