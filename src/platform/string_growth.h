#pragma once

#include <cstddef>
#include <string>

namespace lumio {

// Makes `text` `size` units long without writing the units it gains: the caller writes
// them before anything reads them. Filling new room first would write every unit of a
// large document twice, which costs a load more than decoding where fresh memory is
// slow to write. Where the library cannot grow a string without filling it, it fills.
void GrowUnwritten(std::u16string& text, std::size_t size);

} // namespace lumio
