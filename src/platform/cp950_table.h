#pragma once

// The code page 950 (Big5) tables, generated from the C library's converter by
// tools/cp936_table into cp950_table.cpp (a test regenerates and compares them).

namespace lumio {

inline constexpr int kCp950FirstLead = 0xA1;
inline constexpr int kCp950LastLead = 0xF9;
inline constexpr int kCp950LeadCount = kCp950LastLead - kCp950FirstLead + 1;

// What each byte decodes to on its own: bytes up to 0x80 are characters; a lead byte and
// a byte that starts no character give U+FFFD.
extern const char16_t kCp950SingleByte[256];

// The character of a lead byte followed by a trail byte, indexed by
// [lead - kCp950FirstLead][trail]; 0 where the pair is no character.
extern const char16_t kCp950DoubleByte[kCp950LeadCount][256];

} // namespace lumio
