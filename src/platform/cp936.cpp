#include "platform/cp936.h"

#include "platform/errors.h"

#include <bit>
#include <cerrno>
#include <cstdint>
#include <iconv.h>

namespace lumio {

namespace {

constexpr char16_t kReplacement = u'\uFFFD';

// char16_t holds host-order code units, so ask iconv for exactly that order (and no
// byte-order mark).
constexpr const char* kHostUtf16 =
    std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";

iconv_t Handle(void* cd) {
    return static_cast<iconv_t>(cd);
}

} // namespace

Cp936Decoder::Cp936Decoder() : cd_(iconv_open(kHostUtf16, "CP936")) {
    if (cd_ == reinterpret_cast<void*>(static_cast<std::intptr_t>(-1))) {
        throw RuntimeError(ErrorNumber::InvalidProcedureCall,
                           "the C library offers no CP936 conversion");
    }
}

Cp936Decoder::~Cp936Decoder() {
    iconv_close(Handle(cd_));
}

std::size_t Cp936Decoder::Decode(std::string_view bytes, std::u16string& out, bool last) {
    // Every byte yields at most one UTF-16 unit (a double-byte character yields one, a
    // bad byte one U+FFFD), so this room is enough; E2BIG below is only a safety net.
    const std::size_t start = out.size();
    out.resize(start + bytes.size());
    std::size_t produced = start;

    char* in = const_cast<char*>(bytes.data());
    std::size_t inLeft = bytes.size();
    while (inLeft > 0) {
        char* outPtr = reinterpret_cast<char*>(out.data() + produced);
        std::size_t outLeft = (out.size() - produced) * sizeof(char16_t);
        const std::size_t rc = iconv(Handle(cd_), &in, &inLeft, &outPtr, &outLeft);
        produced = out.size() - outLeft / sizeof(char16_t);
        if (rc != static_cast<std::size_t>(-1)) {
            break;
        }
        if (errno == E2BIG) {
            out.resize(out.size() + inLeft + 16);
            continue;
        }
        if (errno == EINVAL && !last) {
            break; // a character cut off at the end: the caller passes it again
        }
        // EILSEQ, or a cut-off character at the very end: this byte starts nothing valid.
        if (produced == out.size()) {
            out.resize(out.size() + inLeft + 16);
        }
        out[produced++] = kReplacement;
        ++in;
        --inLeft;
        iconv(Handle(cd_), nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(produced);
    return bytes.size() - inLeft;
}

std::u16string DecodeCp936(std::string_view bytes) {
    Cp936Decoder decoder;
    std::u16string out;
    decoder.Decode(bytes, out, true);
    return out;
}

} // namespace lumio
