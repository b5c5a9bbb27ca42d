#pragma once

#include "platform/bitmap.h"

#include <cstdint>

namespace lumio {

// Picture object types, numbered as the platform numbers them.
enum class PictureType : std::int32_t {
    None = 0,
    Bitmap = 1,
    Icon = 3,
};

// A picture: a bitmap (pixels), or an icon (pixels and a mask). The mask is an AND
// mask of the same size: white (0xFFFFFF) where the icon is transparent, black where
// its image is drawn. Natural size in HIMETRIC, from the pixel size at 96 dpi.
// Decoding files into pictures belongs to the Qt layer; here they are built in memory.
class Picture {
public:
    Picture() = default; // type None: no picture

    static Picture FromBitmap(Bitmap image);
    // Raises an InvalidProcedureCall RuntimeError when the mask's size differs.
    static Picture FromIcon(Bitmap image, Bitmap mask);

    PictureType type() const { return type_; }
    const Bitmap& image() const { return image_; }
    const Bitmap& mask() const { return mask_; }

    // Natural size in HIMETRIC (hundredths of a millimetre).
    std::int32_t width() const { return himetric_width_; }
    std::int32_t height() const { return himetric_height_; }

    friend bool operator==(const Picture&, const Picture&) = default;

private:
    PictureType type_ = PictureType::None;
    Bitmap image_;
    Bitmap mask_;
    std::int32_t himetric_width_ = 0;
    std::int32_t himetric_height_ = 0;
};

// 96 pixels per inch, 2540 HIMETRIC per inch.
inline constexpr std::int32_t kPixelsPerInch = 96;
inline constexpr std::int32_t kHimetricPerInch = 2540;

// HIMETRIC to pixels, unrounded (callers round halves to even).
double HimetricToPixels(std::int32_t himetric);
// Pixels to HIMETRIC, rounded to nearest with halves away from zero (a MulDiv).
std::int32_t PixelsToHimetric(std::int32_t pixels);

} // namespace lumio
