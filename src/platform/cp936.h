#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumio {

// Windows code page 936 (GBK, byte 0x80 = U+20AC) to UTF-16, through the C library's
// iconv. A byte that starts no valid character becomes one U+FFFD and decoding goes on
// at the next byte, so valid text next to a bad byte is never lost.
class Cp936Decoder {
public:
    Cp936Decoder();
    ~Cp936Decoder();
    Cp936Decoder(const Cp936Decoder&) = delete;
    Cp936Decoder& operator=(const Cp936Decoder&) = delete;

    // Appends the decoding of `bytes` to `out` and returns how many bytes it used. When
    // `last` is false, a character cut off at the end of `bytes` is left unused: pass it
    // again in front of the next bytes. When `last` is true, every byte is used and each
    // byte of a cut-off character becomes U+FFFD.
    std::size_t Decode(std::string_view bytes, std::u16string& out, bool last);

private:
    void* cd_;
};

// The whole of `bytes` at once.
std::u16string DecodeCp936(std::string_view bytes);

} // namespace lumio
