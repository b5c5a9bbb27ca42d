#include "platform/text_decoder.h"

namespace lumio {

std::size_t DecodeAppend(const TextDecoder& decoder, std::string_view bytes, std::u16string& out,
                         bool last) {
    const std::size_t start = out.size();
    out.resize(start + bytes.size());
    const DecodeProgress progress = decoder.Decode(bytes, out.data() + start, last, false);
    out.resize(start + progress.written);
    return progress.used;
}

std::u16string DecodeAll(const TextDecoder& decoder, std::string_view bytes) {
    std::u16string out;
    DecodeAppend(decoder, bytes, out, true);
    return out;
}

} // namespace lumio
