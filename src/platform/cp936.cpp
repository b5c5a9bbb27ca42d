#include "platform/cp936.h"

#include "platform/cp936_table.h"
#include "platform/double_byte_decoder.h"

namespace lumio {

const TextDecoder& Cp936TextDecoder() {
    static const DoubleByteDecoder decoder(
        {kCp936SingleByte, kCp936DoubleByte, kCp936FirstLead, kCp936LastLead});
    return decoder;
}

std::size_t Cp936Decoder::Decode(std::string_view bytes, std::u16string& out, bool last) {
    return DecodeAppend(Cp936TextDecoder(), bytes, out, last);
}

std::u16string DecodeCp936(std::string_view bytes) {
    return DecodeAll(Cp936TextDecoder(), bytes);
}

} // namespace lumio
