#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumio {

// What one call of TextDecoder::Decode did.
struct DecodeProgress {
    std::size_t used = 0;    // bytes taken from the input
    std::size_t written = 0; // UTF-16 units stored
    bool lineEnd = false;    // decoding ended after a CR, which is used but not stored
};

// How an encoding writes the characters that line splitting and trimming look for. At
// the start of a character these bytes are that character and no other, so a caller can
// find them without decoding.
struct LineBytes {
    std::string_view lf;
    std::string_view space;
    std::string_view ideographicSpace; // U+3000, the indent of Chinese paragraphs
};

// Turns the bytes of a text in one encoding into UTF-16 (the document text), in pieces,
// writing straight into the caller's memory. Bad input never stops a decoder: whatever
// starts no valid character becomes U+FFFD and decoding goes on, so no valid text next
// to it is lost. No encoding here gives more than one UTF-16 unit per byte.
class TextDecoder {
public:
    explicit TextDecoder(const LineBytes& lineBytes) : lineBytes_(lineBytes) {}
    virtual ~TextDecoder() = default;
    TextDecoder(const TextDecoder&) = delete;
    TextDecoder& operator=(const TextDecoder&) = delete;

    const LineBytes& lineBytes() const { return lineBytes_; }

    // Decodes `bytes` into `out`, which must have room for bytes.size() units. When
    // `last` is false a character cut off at the end is left unused, for the caller to
    // pass again in front of the next bytes; when `last` is true every byte is used. With
    // `stopAtCr`, decoding ends after the first CR (a line end, for callers that split
    // lines as they decode).
    virtual DecodeProgress Decode(std::string_view bytes, char16_t* out, bool last,
                                  bool stopAtCr) const = 0;

protected:
    void SetLineBytes(const LineBytes& lineBytes) { lineBytes_ = lineBytes; }

private:
    LineBytes lineBytes_;
};

// Stores `c` at `out` as one UTF-16 unit, or two (a surrogate pair) beyond U+FFFF, and
// returns how many.
inline std::size_t PutUtf16(char32_t c, char16_t* out) {
    if (c < 0x10000) {
        out[0] = static_cast<char16_t>(c);
        return 1;
    }
    c -= 0x10000;
    out[0] = static_cast<char16_t>(0xD800 + (c >> 10));
    out[1] = static_cast<char16_t>(0xDC00 + (c & 0x3FF));
    return 2;
}

// Appends the decoding of `bytes` to `out` and returns how many bytes it used (all of
// them when `last`; otherwise a character cut off at the end is left for the next call).
std::size_t DecodeAppend(const TextDecoder& decoder, std::string_view bytes, std::u16string& out,
                         bool last);

// The whole of `bytes` at once.
std::u16string DecodeAll(const TextDecoder& decoder, std::string_view bytes);

} // namespace lumio
