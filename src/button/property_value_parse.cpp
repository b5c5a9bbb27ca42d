// Reading persisted values back from their text form (see FormatValue for the forms).
#include "button/property_value.h"
#include "platform/ascii.h"
#include "platform/base64.h"
#include "platform/hex.h"
#include "platform/utf.h"

#include <cctype>
#include <charconv>
#include <cstring>
#include <limits>
#include <optional>

namespace lumio {

namespace {

constexpr std::int32_t kMaxPictureSide = 8192;

[[noreturn]] void Fail(std::string what) {
    throw ValueSyntaxError(std::move(what));
}

// ---- parsing --------------------------------------------------------------------

class Cursor {
public:
    explicit Cursor(std::string_view text) : text_(text) {}

    void SkipSpace() {
        while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) {
            ++pos_;
        }
    }
    bool AtEnd() const { return pos_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }

    bool Accept(char c) {
        SkipSpace();
        if (Peek() == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    void Expect(char c, std::string_view where) {
        if (!Accept(c)) {
            if (AtEnd()) {
                Fail("value ends too early: expected '" + std::string(1, c) + "' " +
                     std::string(where));
            }
            Fail("expected '" + std::string(1, c) + "' " + std::string(where));
        }
    }

    std::string_view Word() {
        SkipSpace();
        const std::size_t start = pos_;
        while (pos_ < text_.size() &&
               (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_')) {
            ++pos_;
        }
        return text_.substr(start, pos_ - start);
    }

    std::string_view NumberText() {
        SkipSpace();
        const std::size_t start = pos_;
        while (pos_ < text_.size() &&
               (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '-' ||
                text_[pos_] == '+' || text_[pos_] == '.')) {
            ++pos_;
        }
        return text_.substr(start, pos_ - start);
    }

    std::u16string String() {
        SkipSpace();
        if (Peek() != '"') {
            Fail(AtEnd() ? "value ends too early: expected a string" : "expected a string");
        }
        ++pos_;
        std::u16string out;
        std::size_t runStart = pos_;
        auto flushRun = [&] {
            const auto run = FromUtf8Strict(text_.substr(runStart, pos_ - runStart));
            if (!run) {
                Fail("string is not valid UTF-8");
            }
            out += *run;
        };
        while (true) {
            if (AtEnd()) {
                Fail("string is not closed");
            }
            const char c = text_[pos_];
            if (c == '"') {
                flushRun();
                ++pos_;
                return out;
            }
            if (c != '\\') {
                ++pos_;
                continue;
            }
            flushRun();
            if (pos_ + 1 >= text_.size()) {
                Fail("string is not closed");
            }
            const char e = text_[pos_ + 1];
            pos_ += 2;
            switch (e) {
            case '\\':
                out += u'\\';
                break;
            case '"':
                out += u'"';
                break;
            case 'n':
                out += u'\n';
                break;
            case 'r':
                out += u'\r';
                break;
            case 't':
                out += u'\t';
                break;
            case 'u': {
                const auto v = ParseHexDigits(text_.substr(pos_), 4);
                if (!v) {
                    Fail("bad escape: \\u needs four hexadecimal digits");
                }
                pos_ += 4;
                out += static_cast<char16_t>(*v);
                break;
            }
            default:
                Fail(std::string("bad escape: \\") + e);
            }
            runStart = pos_;
        }
    }

    std::int64_t Integer(std::string_view what) {
        const std::string_view t = NumberText();
        if (t.empty()) {
            Fail(AtEnd() ? "value ends too early: expected " + std::string(what)
                         : "expected " + std::string(what));
        }
        std::int64_t v = 0;
        const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
        if (r.ec == std::errc::result_out_of_range) {
            Fail("number out of range: " + std::string(t));
        }
        if (r.ec != std::errc() || r.ptr != t.data() + t.size()) {
            Fail("not a whole number: " + std::string(t));
        }
        return v;
    }

    double Real(std::string_view what) {
        const std::string_view t = NumberText();
        if (t.empty()) {
            Fail("expected " + std::string(what));
        }
        double v = 0;
        const auto r = std::from_chars(t.data(), t.data() + t.size(), v);
        if (r.ec != std::errc() || r.ptr != t.data() + t.size()) {
            Fail("not a number: " + std::string(t));
        }
        return v;
    }

    std::string_view Rest() const { return text_.substr(pos_); }
    void Advance(std::size_t n) { pos_ += n; }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

std::int64_t InRange(std::int64_t v, std::int64_t lo, std::int64_t hi, std::string_view what) {
    if (v < lo || v > hi) {
        Fail(std::string(what) + " out of range: " + std::to_string(v));
    }
    return v;
}

bool ParseBoolWord(std::string_view w, std::string_view what) {
    if (EqualsIgnoringAsciiCase(w, "True")) {
        return true;
    }
    if (EqualsIgnoringAsciiCase(w, "False")) {
        return false;
    }
    Fail(std::string(what) + " must be True or False");
}

FontAttributes ParseFont(Cursor& c) {
    FontAttributes f;
    c.Expect('(', "after Font");
    if (c.Accept(')')) {
        return f;
    }
    bool seen[7] = {};
    do {
        const std::string_view name = c.Word();
        c.Expect('=', "after a font attribute name");
        static constexpr std::string_view kNames[] = {
            "Name", "Size", "Weight", "Charset", "Italic", "Underline", "Strikethrough"};
        int which = -1;
        for (int k = 0; k < 7; ++k) {
            if (EqualsIgnoringAsciiCase(name, kNames[k])) {
                which = k;
            }
        }
        if (which < 0) {
            Fail("unknown font attribute: " + std::string(name));
        }
        if (seen[which]) {
            Fail("font attribute given twice: " + std::string(name));
        }
        seen[which] = true;
        switch (which) {
        case 0:
            f.name = c.String();
            break;
        case 1: {
            f.size = c.Real("a font size");
            if (!(f.size > 0 && f.size <= 2048)) {
                Fail("font size out of range");
            }
            break;
        }
        case 2:
            f.weight = static_cast<std::int16_t>(InRange(c.Integer("a weight"), 0, 1000, "weight"));
            break;
        case 3:
            f.charset =
                static_cast<std::int16_t>(InRange(c.Integer("a charset"), 0, 255, "charset"));
            break;
        case 4:
            f.italic = ParseBoolWord(c.Word(), "Italic");
            break;
        case 5:
            f.underline = ParseBoolWord(c.Word(), "Underline");
            break;
        default:
            f.strikethrough = ParseBoolWord(c.Word(), "Strikethrough");
            break;
        }
    } while (c.Accept(','));
    c.Expect(')', "to close Font(");
    return f;
}

std::vector<std::uint8_t> DecodeData(const std::u16string& text, std::string_view what) {
    std::string ascii;
    for (char16_t ch : text) {
        if (ch > 0x7F) {
            Fail(std::string(what) + " is not base64");
        }
        ascii += static_cast<char>(ch);
    }
    auto bytes = base64::Decode(ascii);
    if (!bytes) {
        Fail(std::string(what) + " is not base64");
    }
    return std::move(*bytes);
}

EmbeddedPicture ParseEmbedded(Cursor& c, EmbeddedPicture::Kind kind) {
    EmbeddedPicture e;
    e.kind = kind;
    c.Expect('(', "after the picture kind");
    e.width = static_cast<std::int32_t>(
        InRange(c.Integer("a width"), 0, kMaxPictureSide, "picture width"));
    c.Expect(',', "after the width");
    e.height = static_cast<std::int32_t>(
        InRange(c.Integer("a height"), 0, kMaxPictureSide, "picture height"));
    c.Expect(',', "after the height");
    const auto count = static_cast<std::size_t>(e.width) * static_cast<std::size_t>(e.height);
    const auto bytes = DecodeData(c.String(), "picture data");
    if (bytes.size() != count * 4) {
        Fail("picture data has " + std::to_string(bytes.size()) + " bytes, expected " +
             std::to_string(count * 4));
    }
    e.pixels.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        e.pixels[i] = static_cast<std::uint32_t>(bytes[4 * i]) |
                      (static_cast<std::uint32_t>(bytes[4 * i + 1]) << 8) |
                      (static_cast<std::uint32_t>(bytes[4 * i + 2]) << 16) |
                      (static_cast<std::uint32_t>(bytes[4 * i + 3]) << 24);
    }
    if (kind == EmbeddedPicture::Kind::Icon) {
        c.Expect(',', "after the icon pixels");
        e.mask = DecodeData(c.String(), "icon mask");
        if (e.mask.size() != count) {
            Fail("icon mask has " + std::to_string(e.mask.size()) + " bytes, expected " +
                 std::to_string(count));
        }
        for (std::uint8_t m : e.mask) {
            if (m > 1) {
                Fail("icon mask bytes must be 0 or 1");
            }
        }
    }
    c.Expect(')', "to close the picture");
    return e;
}

std::uint32_t ParseColorAfterHash(Cursor& c) {
    const auto parsed = ParseHexDigits(c.Rest(), 6);
    if (!parsed) {
        Fail("a colour #RRGGBB needs six hexadecimal digits");
    }
    const std::uint32_t rgb = *parsed;
    c.Advance(6);
    // Written red first; held as 0x00BBGGRR.
    return ((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16);
}

PropertyValue ParseOne(Cursor& c) {
    c.SkipSpace();
    const char first = c.Peek();
    if (c.AtEnd()) {
        Fail("value is missing");
    }
    if (first == '"') {
        return c.String();
    }
    if (first == '#') {
        c.Advance(1);
        return ColorValue{ParseColorAfterHash(c)};
    }
    if (first == '-' || first == '+' || (first >= '0' && first <= '9')) {
        return c.Integer("a number");
    }
    const std::string_view word = c.Word();
    if (word.empty()) {
        Fail(std::string("unexpected character '") + first + "'");
    }
    if (EqualsIgnoringAsciiCase(word, "True")) {
        return true;
    }
    if (EqualsIgnoringAsciiCase(word, "False")) {
        return false;
    }
    if (EqualsIgnoringAsciiCase(word, "Nothing")) {
        return PictureValue{};
    }
    if (EqualsIgnoringAsciiCase(word, "sys") || EqualsIgnoringAsciiCase(word, "ole")) {
        c.Expect(':', "in a colour");
        if (EqualsIgnoringAsciiCase(word, "sys")) {
            return ColorValue{0x80000000u | static_cast<std::uint32_t>(
                                                InRange(c.Integer("a system colour index"), 0,
                                                        0x00FFFFFF, "system colour index"))};
        }
        const std::string_view hex = c.NumberText();
        const auto v = hex.size() == 8 ? ParseHexDigits(hex, 8) : std::nullopt;
        if (!v) {
            Fail("an ole: colour needs eight hexadecimal digits");
        }
        return ColorValue{*v};
    }
    if (EqualsIgnoringAsciiCase(word, "Font")) {
        return ParseFont(c);
    }
    if (EqualsIgnoringAsciiCase(word, "File")) {
        c.Expect('(', "after File");
        const std::u16string path = c.String();
        c.Expect(')', "to close File(");
        return PictureValue{PictureFile{ToUtf8(path)}};
    }
    if (EqualsIgnoringAsciiCase(word, "Bitmap")) {
        return PictureValue{ParseEmbedded(c, EmbeddedPicture::Kind::Bitmap)};
    }
    if (EqualsIgnoringAsciiCase(word, "Icon")) {
        return PictureValue{ParseEmbedded(c, EmbeddedPicture::Kind::Icon)};
    }
    Fail("unknown value: " + std::string(word));
}

} // namespace

PropertyValue ParseValue(std::string_view text) {
    Cursor c(text);
    PropertyValue v = ParseOne(c);
    c.SkipSpace();
    if (!c.AtEnd()) {
        Fail("unexpected text after the value: " + std::string(c.Rest()));
    }
    return v;
}

} // namespace lumio
