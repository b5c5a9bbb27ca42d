// Code page 936 through the system's own tables, for Windows builds until the shared
// table-driven decoder replaces it. Same rule as everywhere: a byte that starts no valid
// character becomes one U+FFFD and decoding goes on at the next byte.
#include "platform/cp936.h"

#include <windows.h>

namespace lumio {

namespace {

constexpr UINT kCodePage = 936;
constexpr char16_t kReplacement = u'\uFFFD';

// The one UTF-16 unit of `bytes` when they are exactly one valid character.
bool DecodeOne(const char* bytes, int size, char16_t& unit) {
    wchar_t wide[2];
    const int n = ::MultiByteToWideChar(kCodePage, MB_ERR_INVALID_CHARS, bytes, size, wide, 2);
    if (n != 1) {
        return false;
    }
    unit = static_cast<char16_t>(wide[0]);
    return true;
}

} // namespace

Cp936Decoder::Cp936Decoder() : cd_(nullptr) {}

Cp936Decoder::~Cp936Decoder() = default;

std::size_t Cp936Decoder::Decode(std::string_view bytes, std::u16string& out, bool last) {
    out.reserve(out.size() + bytes.size());
    std::size_t at = 0;
    while (at < bytes.size()) {
        const char* here = bytes.data() + at;
        char16_t unit = kReplacement;
        std::size_t used = 1;
        if (::IsDBCSLeadByteEx(kCodePage, static_cast<BYTE>(*here))) {
            if (at + 1 == bytes.size()) {
                if (!last) {
                    break; // a character cut off at the end: the caller passes it again
                }
            } else if (DecodeOne(here, 2, unit)) {
                used = 2;
            } else {
                unit = kReplacement; // a bad trail byte starts over on its own
            }
        } else if (!DecodeOne(here, 1, unit)) {
            unit = kReplacement;
        }
        out.push_back(unit);
        at += used;
    }
    return at;
}

std::u16string DecodeCp936(std::string_view bytes) {
    Cp936Decoder decoder;
    std::u16string out;
    decoder.Decode(bytes, out, true);
    return out;
}

} // namespace lumio
