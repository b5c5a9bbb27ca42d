#pragma once

#include "platform/bitmap.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lumio {

// Image files of a bitmap's pixels (alpha ignored): binary PPM (P6, maxval 255) and
// PNG (8-bit RGB, no interlace, deflate in stored blocks: no compression, so no
// library is needed). Both return the file's bytes.
std::vector<std::uint8_t> EncodePpm(const Bitmap& image);
std::vector<std::uint8_t> EncodePng(const Bitmap& image);

// The checksums PNG and its zlib stream use.
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);
std::uint32_t Adler32(const std::uint8_t* data, std::size_t size);

// Writes bytes to a file; false when the file cannot be written completely.
bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace lumio
