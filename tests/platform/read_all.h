#pragma once

#include "platform/file_source.h"

#include <gtest/gtest.h>
#include <string>

namespace lumio {

// Everything left in a stream, in reads of three bytes so that reads end mid-character.
inline std::string ReadAll(ByteStream& stream) {
    std::string all;
    char buffer[3];
    FileError error;
    while (const std::size_t n = stream.Read(buffer, error)) {
        all.append(buffer, n);
    }
    EXPECT_FALSE(error);
    return all;
}

} // namespace lumio
