#include "win32/win_cursor.h"

#include <cstring>
#include <vector>

namespace lumio {

WinCursor::WinCursor(const Bitmap& image) {
    if (image.empty()) {
        return;
    }
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof(header);
    header.bV5Width = image.width();
    header.bV5Height = -image.height(); // top-down rows, as the bitmap holds them
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;
    void* bits = nullptr;
    HDC screen = ::GetDC(nullptr);
    HBITMAP color = ::CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                       DIB_RGB_COLORS, &bits, nullptr, 0);
    ::ReleaseDC(nullptr, screen);
    if (!color || !bits) {
        if (color) {
            ::DeleteObject(color);
        }
        return;
    }
    std::memcpy(bits, image.data(),
                static_cast<std::size_t>(image.bytes_per_line()) * image.height());
    // With colour and alpha in the colour bitmap, the mask only has to exist: all zero.
    const std::size_t maskLine = ((static_cast<std::size_t>(image.width()) + 15) / 16) * 2;
    const std::vector<unsigned char> zeros(maskLine * image.height(), 0);
    HBITMAP mask = ::CreateBitmap(image.width(), image.height(), 1, 1, zeros.data());
    ICONINFO info{};
    info.fIcon = FALSE;
    info.xHotspot = 0;
    info.yHotspot = 0;
    info.hbmMask = mask;
    info.hbmColor = color;
    if (mask) {
        cursor_ = static_cast<HCURSOR>(::CreateIconIndirect(&info));
        ::DeleteObject(mask);
    }
    ::DeleteObject(color); // the cursor holds copies of both bitmaps
}

WinCursor::~WinCursor() {
    if (cursor_) {
        ::DestroyCursor(cursor_);
    }
}

} // namespace lumio
