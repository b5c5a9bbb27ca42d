// The code page 936 decoder against iconv asked one character at a time, whole and in
// pieces: cutting the input anywhere must not change the text.

#include "iconv_reference.h"
#include "platform/cp936.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace lumio;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const auto cp936 = reference::Cp936();
    if (size == 0) {
        return 0;
    }
    // The first byte chooses the piece size of the streamed decoding.
    const std::size_t piece = data[0] % 7 + 1;
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::u16string expected = cp936->Decode(bytes);
    if (DecodeCp936(bytes) != expected) {
        std::abort();
    }

    Cp936Decoder decoder;
    std::u16string streamed;
    std::string pending;
    for (std::size_t at = 0; at < bytes.size(); at += piece) {
        pending.append(bytes.substr(at, piece));
        const std::size_t used = decoder.Decode(pending, streamed, false);
        if (used > pending.size()) {
            std::abort();
        }
        pending.erase(0, used);
    }
    if (decoder.Decode(pending, streamed, true) != pending.size() || streamed != expected) {
        std::abort();
    }
    return 0;
}
