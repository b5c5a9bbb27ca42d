// The text form of persisted values (ParseValue, in property_value_parse.cpp, reads it).
#include "button/property_value.h"

#include "platform/base64.h"
#include "platform/utf.h"

#include <charconv>

namespace lumio {

namespace {

void AppendHex(std::string& out, std::uint32_t v, int digits) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) {
        out += kHex[(v >> shift) & 0xF];
    }
}

std::string QuoteString(std::u16string_view text) {
    std::u16string safe; // what can go to UTF-8 unchanged
    std::string out = "\"";
    auto flush = [&] {
        out += ToUtf8(safe);
        safe.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        const bool high = c >= 0xD800 && c <= 0xDBFF;
        const bool low = c >= 0xDC00 && c <= 0xDFFF;
        if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
            safe += c;
            safe += text[++i];
            continue;
        }
        const char* escape = nullptr;
        switch (c) {
        case u'\\':
            escape = "\\\\";
            break;
        case u'"':
            escape = "\\\"";
            break;
        case u'\n':
            escape = "\\n";
            break;
        case u'\r':
            escape = "\\r";
            break;
        case u'\t':
            escape = "\\t";
            break;
        default:
            break;
        }
        if (escape != nullptr) {
            flush();
            out += escape;
        } else if (c < 0x20 || c == 0x7F || high || low) {
            flush();
            out += "\\u";
            AppendHex(out, c, 4);
        } else {
            safe += c;
        }
    }
    flush();
    out += '"';
    return out;
}

std::string FormatReal(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

std::string FormatColor(std::uint32_t ole) {
    std::string out;
    if ((ole & 0xFF000000u) == 0) {
        out = "#";
        AppendHex(out, ole & 0xFF, 2);
        AppendHex(out, (ole >> 8) & 0xFF, 2);
        AppendHex(out, (ole >> 16) & 0xFF, 2);
    } else if ((ole & 0xFF000000u) == 0x80000000u) {
        out = "sys:" + std::to_string(ole & 0x00FFFFFFu);
    } else {
        out = "ole:";
        AppendHex(out, ole, 8);
    }
    return out;
}

std::string FormatFont(const FontAttributes& f) {
    std::string out = "Font(Name = " + QuoteString(f.name) + ", Size = " + FormatReal(f.size) +
                      ", Weight = " + std::to_string(f.weight) +
                      ", Charset = " + std::to_string(f.charset);
    if (f.italic) {
        out += ", Italic = True";
    }
    if (f.underline) {
        out += ", Underline = True";
    }
    if (f.strikethrough) {
        out += ", Strikethrough = True";
    }
    return out + ")";
}

std::string FormatPicture(const PictureValue& p) {
    if (std::holds_alternative<std::monostate>(p)) {
        return "Nothing";
    }
    if (const auto* file = std::get_if<PictureFile>(&p)) {
        return "File(" + QuoteString(FromUtf8(file->path)) + ")";
    }
    const auto& e = std::get<EmbeddedPicture>(p);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(e.pixels.size() * 4);
    for (std::uint32_t px : e.pixels) {
        for (int k = 0; k < 4; ++k) {
            bytes.push_back(static_cast<std::uint8_t>(px >> (8 * k)));
        }
    }
    std::string out = e.kind == EmbeddedPicture::Kind::Icon ? "Icon(" : "Bitmap(";
    out += std::to_string(e.width) + ", " + std::to_string(e.height) + ", \"" +
           base64::Encode(bytes) + "\"";
    if (e.kind == EmbeddedPicture::Kind::Icon) {
        out += ", \"" + base64::Encode(e.mask) + "\"";
    }
    return out + ")";
}

} // namespace

std::string FormatValue(const PropertyValue& value) {
    struct Visitor {
        std::string operator()(bool b) const { return b ? "True" : "False"; }
        std::string operator()(std::int64_t v) const { return std::to_string(v); }
        std::string operator()(const std::u16string& s) const { return QuoteString(s); }
        std::string operator()(const ColorValue& c) const { return FormatColor(c.ole); }
        std::string operator()(const FontAttributes& f) const { return FormatFont(f); }
        std::string operator()(const PictureValue& p) const { return FormatPicture(p); }
    };
    return std::visit(Visitor{}, value);
}

std::string_view KindName(const PropertyValue& value) {
    static constexpr std::string_view kNames[] = {"a Boolean", "a number", "a string",
                                                  "a colour",  "a font",   "a picture"};
    return kNames[value.index()];
}

} // namespace lumio
