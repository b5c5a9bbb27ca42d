#include "platform/cp950.h"

#include "platform/cp950_table.h"
#include "platform/double_byte_decoder.h"

namespace lumio {

const TextDecoder& Cp950TextDecoder() {
    static const DoubleByteDecoder decoder(
        {kCp950SingleByte, kCp950DoubleByte, kCp950FirstLead, kCp950LastLead});
    return decoder;
}

} // namespace lumio
