#pragma once

#include <string>
#include <string_view>

namespace lumio {

// The narrow ("ANSI") text path of the drawing calls. Our platforms report the NT
// family, so controls draw through the wide path; the narrow one exists for the
// version check's other answer. We carry no code page tables for it: characters
// outside ASCII become '?' (the platform's default character for unmappable text),
// and the converted text keeps one byte per character, so the length passed along
// with it is the converted text's own and nothing is cut off.
std::string ToAnsi(std::u16string_view text);

// Bytes of the narrow path back to characters for drawing (ASCII one to one).
std::u16string FromAnsi(std::string_view bytes);

} // namespace lumio
