#pragma once

// The code page 936 tables, generated from the C library's converter by
// tools/cp936_table into cp936_table.cpp (a test regenerates and compares them).

namespace lumio {

inline constexpr int kCp936FirstLead = 0x81;
inline constexpr int kCp936LastLead = 0xFE;
inline constexpr int kCp936LeadCount = kCp936LastLead - kCp936FirstLead + 1;
inline constexpr char16_t kCp936Replacement = u'\uFFFD';
inline constexpr char16_t kCp936NoCharacter = 0;

// What each byte decodes to on its own: bytes below 0x80 are ASCII; a lead byte and a
// byte that starts no character give U+FFFD.
extern const char16_t kCp936SingleByte[256];

// The character of a lead byte followed by a trail byte, indexed by
// [lead - kCp936FirstLead][trail]; kCp936NoCharacter where the pair is no character (the
// lead then stands alone and the trail starts the next character).
extern const char16_t kCp936DoubleByte[kCp936LeadCount][256];

} // namespace lumio
