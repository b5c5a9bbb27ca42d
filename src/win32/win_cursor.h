#pragma once

#include "platform/bitmap.h"
#include "win32/win_api.h"

namespace lumio {

// A mouse cursor made from a picture's pixels (the button's own icon for MousePointer
// 99), its hot spot at the top left. The alpha of each pixel is kept, so a transparent
// pixel shows what is under the cursor. Owns the cursor; null for an empty picture or
// when the system cannot make one.
class WinCursor {
public:
    explicit WinCursor(const Bitmap& image);
    ~WinCursor();
    WinCursor(const WinCursor&) = delete;
    WinCursor& operator=(const WinCursor&) = delete;

    HCURSOR handle() const { return cursor_; }

private:
    HCURSOR cursor_ = nullptr;
};

} // namespace lumio
