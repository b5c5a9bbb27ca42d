#pragma once

#include "platform/display_scale.h"
#include "platform/font.h"
#include "win32/win_api.h"

#include <string>
#include <utility>
#include <vector>

namespace lumio {

// The fonts the form names as fonts of this system: each by its own name where it is
// installed; 微软雅黑 and other Chinese faces, where missing, by the first installed face
// with the GB2312 character set; the symbol font, where missing, is drawn as pictures
// by the caller. Sizes are the form's points in pixels at the resolution asked for (96
// dots per inch unless told), so the layout follows the scale the window is laid out
// at, never the screen's own setting behind its back. The fonts live as long as this.
class WinFonts {
public:
    WinFonts() = default;
    WinFonts(const WinFonts&) = delete;
    WinFonts& operator=(const WinFonts&) = delete;
    ~WinFonts();

    HFONT Get(const FontAttributes& font, DisplayScale scale = DisplayScale{}) const;
    // Whether the symbol font's own glyphs are there (else its captions are pictures).
    bool HaveSymbolFont() const { return Installed(u"Webdings"); }
    bool Installed(std::u16string_view face) const;
    // The face a missing Chinese face is drawn with (empty when none is installed).
    const std::u16string& ChineseFallback() const;

private:
    std::u16string FaceFor(const FontAttributes& font) const;

    struct Made {
        FontAttributes font;
        DisplayScale scale;
        HFONT handle;
    };
    mutable std::vector<Made> fonts_;
    mutable std::vector<std::pair<std::u16string, bool>> installed_;
    mutable std::u16string chinese_;
    mutable bool chineseLooked_ = false;
};

} // namespace lumio
