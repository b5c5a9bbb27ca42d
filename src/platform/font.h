#pragma once

#include <cstdint>
#include <string>

namespace lumio {

// The attributes of a font as a value: what a surface draws captions with and what
// a persisted property set stores. Size is in points (the platform keeps it to four
// decimals); weight 400 is regular, 700 bold.
struct FontAttributes {
    std::u16string name = u"Tahoma";
    double size = 8.25;
    std::int16_t weight = 400;
    std::int16_t charset = 0;
    bool italic = false;
    bool underline = false;
    bool strikethrough = false;

    bool bold() const { return weight >= 700; }

    friend bool operator==(const FontAttributes&, const FontAttributes&) = default;
};

inline constexpr std::int16_t kFontWeightRegular = 400;
inline constexpr std::int16_t kFontWeightBold = 700;

} // namespace lumio
