#pragma once

#include "reader/form_file.h"

#include <string_view>

namespace lumio {

// The reader window's form file as compiled into the program.
std::string_view MainMsgFormText();

// Reads it; the desktop program builds the window and its controls from the result.
Form LoadMainMsgForm();

} // namespace lumio
