#pragma once

#include <cstddef>
#include <string_view>

namespace lumio {

// Columns a character takes in a terminal: 2 for East Asian wide and full-width
// characters (the CJK of our documents), 0 for combining marks, 1 otherwise. A
// deterministic table rather than wcwidth(), which depends on the locale installed.
int TerminalWidth(char32_t c);

// How many UTF-16 units at the end of `text` fit in `columns` columns (a surrogate
// pair counts as one character and is never split).
std::size_t TailFittingColumns(std::u16string_view text, int columns);

} // namespace lumio
