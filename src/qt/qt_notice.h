#pragma once

#include "reader/hot_key_service.h"

namespace lumio {

// A message box that does not hold the program up: it stays until the user closes it,
// and the program runs on meanwhile.
class QtNotice : public Notice {
public:
    void Tell(std::u16string_view text, std::u16string_view title) override;
};

} // namespace lumio
