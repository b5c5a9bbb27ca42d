#pragma once

#include "platform/font.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace lumio {

// A colour as persisted: the 32-bit OLE colour exactly as the property holds it.
struct ColorValue {
    std::uint32_t ole = 0;
    friend bool operator==(const ColorValue&, const ColorValue&) = default;
};

// A picture kept inside the persisted set, in our own raw form: pixels as 32-bit
// words 0xAARRGGBB (stored little-endian, so B, G, R, A in the file), rows top-down;
// for an icon, a mask of one byte per pixel (1 = transparent, keeps the background).
// The natural (HIMETRIC) size follows from the pixel size.
struct EmbeddedPicture {
    enum class Kind { Bitmap, Icon };
    Kind kind = Kind::Bitmap;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint32_t> pixels;
    std::vector<std::uint8_t> mask;
    friend bool operator==(const EmbeddedPicture&, const EmbeddedPicture&) = default;
};

// A picture named by reference to an image file; decoding the file is the job of
// whoever loads the set (it passes a picture loader).
struct PictureFile {
    std::string path;
    friend bool operator==(const PictureFile&, const PictureFile&) = default;
};

// Nothing, a file reference or embedded data.
using PictureValue = std::variant<std::monostate, PictureFile, EmbeddedPicture>;

// One persisted value. Integers are kept wide so that range errors can be reported
// against the property that reads them.
using PropertyValue =
    std::variant<bool, std::int64_t, std::u16string, ColorValue, FontAttributes, PictureValue>;

// The readable text form of a value, as it follows `Key = ` on a line:
//   True / False, -12, "text with \" \\ \n \t \r \uXXXX escapes",
//   #RRGGBB (plain colour, red first as people write it), sys:15 (system colour),
//   ole:XXXXXXXX (any other OLE value, hexadecimal),
//   Font(Name = "Tahoma", Size = 8.25, Weight = 400, Charset = 0[, Italic = True]...),
//   Nothing, File("path"), Bitmap(w, h, "base64 pixels"),
//   Icon(w, h, "base64 pixels", "base64 mask").
std::string FormatValue(const PropertyValue& value);

// Parses one value; the whole text must be consumed. Throws ValueSyntaxError.
PropertyValue ParseValue(std::string_view text);

// Name of a value's kind for messages ("a colour", "a string", ...).
std::string_view KindName(const PropertyValue& value);

class ValueSyntaxError : public std::exception {
public:
    explicit ValueSyntaxError(std::string what) : what_(std::move(what)) {}
    const char* what() const noexcept override { return what_.c_str(); }

private:
    std::string what_;
};

} // namespace lumio
