#include "win32/win_fonts.h"

#include "platform/ascii.h"
#include "platform/symbol_font.h"
#include "win32/wide.h"

#include <algorithm>

namespace lumio {

namespace {

constexpr BYTE kChineseCharset = GB2312_CHARSET;

int CALLBACK NoteFace(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

int CALLBACK FirstChineseFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM out) {
    // Vertical faces ("@name") are for vertical writing only.
    if (font->lfFaceName[0] == L'@') {
        return 1;
    }
    *reinterpret_cast<std::u16string*>(out) = FromWide(font->lfFaceName);
    return 0;
}

bool IsChineseFace(const FontAttributes& font) {
    return font.charset == kChineseCharset ||
           std::any_of(font.name.begin(), font.name.end(), [](char16_t c) { return c > 0x7F; });
}

} // namespace

WinFonts::~WinFonts() {
    for (const Made& made : fonts_) {
        ::DeleteObject(made.handle);
    }
}

bool WinFonts::Installed(std::u16string_view face) const {
    const std::u16string name(face);
    for (const auto& [known, present] : installed_) {
        if (known == name) {
            return present;
        }
    }
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    const std::wstring wide = WideCopy(name.substr(0, LF_FACESIZE - 1));
    std::copy(wide.begin(), wide.end(), query.lfFaceName);
    bool found = false;
    HDC dc = ::GetDC(nullptr);
    ::EnumFontFamiliesExW(dc, &query, NoteFace, reinterpret_cast<LPARAM>(&found), 0);
    ::ReleaseDC(nullptr, dc);
    installed_.emplace_back(name, found);
    return found;
}

const std::u16string& WinFonts::ChineseFallback() const {
    if (!chineseLooked_) {
        chineseLooked_ = true;
        LOGFONTW query{};
        query.lfCharSet = kChineseCharset;
        HDC dc = ::GetDC(nullptr);
        ::EnumFontFamiliesExW(dc, &query, FirstChineseFace, reinterpret_cast<LPARAM>(&chinese_), 0);
        ::ReleaseDC(nullptr, dc);
    }
    return chinese_;
}

std::u16string WinFonts::FaceFor(const FontAttributes& font) const {
    if (Installed(font.name)) {
        return font.name;
    }
    if (IsChineseFace(font) && !ChineseFallback().empty()) {
        return ChineseFallback();
    }
    return font.name; // the system's own substitution decides
}

HFONT WinFonts::Get(const FontAttributes& font, DisplayScale scale) const {
    for (const Made& made : fonts_) {
        if (made.font == font && made.scale == scale) {
            return made.handle;
        }
    }
    LOGFONTW lf{};
    lf.lfHeight = -scale.FontPixels(font.size);
    lf.lfWeight = font.weight;
    lf.lfItalic = font.italic ? TRUE : FALSE;
    lf.lfUnderline = font.underline ? TRUE : FALSE;
    lf.lfStrikeOut = font.strikethrough ? TRUE : FALSE;
    lf.lfCharSet = IsChineseFace(font) ? kChineseCharset : DEFAULT_CHARSET;
    lf.lfOutPrecision = OUT_TT_PRECIS;
    // Whole pixels only: no smoothed edge may blend into the window's colour key.
    lf.lfQuality = NONANTIALIASED_QUALITY;
    const std::wstring face = WideCopy(FaceFor(font).substr(0, LF_FACESIZE - 1));
    std::copy(face.begin(), face.end(), lf.lfFaceName);
    HFONT handle = ::CreateFontIndirectW(&lf);
    fonts_.push_back({font, scale, handle});
    return handle;
}

} // namespace lumio
