#pragma once

#include "platform/bitmap.h"
#include "platform/color.h"
#include "platform/palette.h"
#include "platform/point.h"

#include <cstdint>

namespace lumio {

// Line drawing modes (the platform's binary raster operations, 1 to 16). Only lines
// drawn with a pen honour the mode; fills, frames, single pixels, transfers and the
// focus rectangle do not.
enum DrawMode : std::int32_t {
    kDrawModeBlack = 1,
    kDrawModeXorPen = 7,
    kDrawModeInvert = 6, // every pixel under the pen is inverted
    kDrawModeNop = 11,
    kDrawModeCopyPen = 13, // the default
    kDrawModeWhite = 16,
};

// How StretchBlt merges source pixels when it shrinks.
enum StretchMode : std::int32_t {
    kStretchAndScans = 1,    // black on white, the default: AND of the merged pixels
    kStretchOrScans = 2,     // white on black: OR of the merged pixels
    kStretchDeleteScans = 3, // colour on colour: one pixel of each group survives
};

// A control's drawing surface: its pixels plus the device-context state that drawing
// calls read (background colour, line drawing mode, stretch mode, text colour, pen
// position, system colours). Pixel (0,0) is the top-left corner; every drawing call
// clips to the surface, so nothing is ever written outside it.
//
// The Qt host shows the pixels without copying: QImage(bytes(), width(), height(),
// bytes_per_line(), QImage::Format_RGB32); the Win32 host lends its own memory (Attach).
// The memory stays put until Resize or Attach.
class Surface {
public:
    Surface() = default;
    // The new surface is cleared to its background colour (white).
    Surface(std::int32_t width, std::int32_t height);

    std::int32_t width() const { return bitmap_.width(); }
    std::int32_t height() const { return bitmap_.height(); }
    std::int32_t bytes_per_line() const { return bitmap_.bytes_per_line(); }
    Pixel* pixels() { return bitmap_.data(); }
    const Pixel* pixels() const { return bitmap_.data(); }
    unsigned char* bytes() { return reinterpret_cast<unsigned char*>(bitmap_.data()); }
    const unsigned char* bytes() const {
        return reinterpret_cast<const unsigned char*>(bitmap_.data());
    }
    Bitmap& bitmap() { return bitmap_; }
    const Bitmap& bitmap() const { return bitmap_; }

    // New size; the pixels are reallocated and cleared to the background colour.
    void Resize(std::int32_t width, std::int32_t height);
    // New size in memory the caller owns (width * height pixels in the layout above,
    // such as a platform bitmap that is shown as it is), kept until the next Attach or
    // Resize; cleared to the background colour like Resize.
    void Attach(std::int32_t width, std::int32_t height, Pixel* memory);

    // The colour "clear" paints with (the control surface's own back colour). Setting
    // it does not repaint; Clear does.
    OleColor back_color() const { return back_color_; }
    void set_back_color(OleColor color) { back_color_ = color; }
    void Clear();

    // SetROP2: returns the previous mode, or 0 (and changes nothing) for a mode outside
    // 1..16. The mode stays set until changed.
    std::int32_t draw_mode() const { return draw_mode_; }
    std::int32_t SetDrawMode(std::int32_t mode);

    // SetStretchBltMode: returns the previous mode, or 0 for a mode outside 1..4
    // (4, halftone, is accepted and shrinks like colour-on-colour).
    std::int32_t stretch_mode() const { return stretch_mode_; }
    std::int32_t SetStretchMode(std::int32_t mode);

    // The colour captions are drawn in.
    OleColor text_color() const { return text_color_; }
    void set_text_color(OleColor color) { text_color_ = color; }

    // The pen position that LineTo starts from.
    Point current_position() const { return position_; }
    void set_current_position(Point p) { position_ = p; }

    // The system colours DrawEdge and friends use. The palette must outlive the surface.
    const SystemPalette& palette() const { return *palette_; }
    void set_palette(const SystemPalette& palette) { palette_ = &palette; }

private:
    Bitmap bitmap_;
    OleColor back_color_ = Rgb(255, 255, 255);
    std::int32_t draw_mode_ = kDrawModeCopyPen;
    std::int32_t stretch_mode_ = kStretchAndScans;
    OleColor text_color_ = Rgb(0, 0, 0);
    Point position_;
    const SystemPalette* palette_ = &SystemPalette::Default();
};

} // namespace lumio
