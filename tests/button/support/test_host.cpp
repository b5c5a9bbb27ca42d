#include "button/support/test_host.h"

#include "platform/errors.h"
#include "platform/numeric.h"
#include "platform/palette.h"

namespace lumio::testing {

TestHost::TestHost(float widthTwips, float heightTwips) : width_(widthTwips), height_(heightTwips) {
    ResizeSurface();
    surface_.set_back_color(TranslateColor(ambientBackColor));
}

void TestHost::ResizeSurface() {
    surface_.Resize(RoundHalfEven(width_ / 15.0f), RoundHalfEven(height_ / 15.0f));
}

void TestHost::SetWindowRgn(Region r, bool redraw) {
    log.push_back(redraw ? "SetWindowRgn" : "SetWindowRgn(no redraw)");
    region = std::move(r);
    ++regions;
}

void TestHost::SetWidth(float twips) {
    log.push_back("SetWidth:" + std::to_string(static_cast<int>(twips)));
    width_ = twips;
    ResizeSurface();
    if (raiseResizeOnSetSize && control != nullptr) {
        control->Resize();
    }
}

void TestHost::SetHeight(float twips) {
    log.push_back("SetHeight:" + std::to_string(static_cast<int>(twips)));
    height_ = twips;
    ResizeSurface();
    if (raiseResizeOnSetSize && control != nullptr) {
        control->Resize();
    }
}

std::int32_t TestHost::ParentProperty(std::string_view name) {
    log.push_back("Parent:" + std::string(name));
    const auto it = parent.find(name);
    if (it == parent.end()) {
        throw RuntimeError(ErrorNumber::InvalidProcedureCall, "no such property");
    }
    return it->second;
}

void TestHost::PropertyChanged(std::string_view name) {
    log.push_back("Changed:" + std::string(name));
    changes.emplace_back(name);
}

void TestHost::SetSurfaceFont(const FontAttributes& font) {
    log.push_back("SetSurfaceFont");
    surfaceFont = font;
}

void TestHost::SetSurfaceMousePointer(std::int16_t pointer) {
    log.push_back("SetMousePointer:" + std::to_string(pointer));
    mousePointer = pointer;
}

void TestHost::SetSurfaceMouseIcon(PictureRef icon) {
    if (failMouseIcon) {
        throw RuntimeError(ErrorNumber::InvalidPropertyValue, "not an icon");
    }
    mouseIcon = std::move(icon);
}

void TestHost::MessageBox(std::u16string_view prompt, std::int32_t style,
                          std::u16string_view title) {
    log.push_back("MessageBox:" + std::to_string(style));
    messages.emplace_back(prompt);
    messages.emplace_back(title);
}

PictureRef MakeBitmap(std::int32_t width, std::int32_t height, std::uint32_t rrggbb) {
    return std::make_shared<const Picture>(
        Picture::FromBitmap(Bitmap(width, height, PixelFromRrggbb(rrggbb))));
}

PictureRef MakeIcon(std::int32_t width, std::int32_t height, std::uint32_t rrggbb) {
    return std::make_shared<const Picture>(Picture::FromIcon(
        Bitmap(width, height, PixelFromRrggbb(rrggbb)), Bitmap(width, height, kOpaque)));
}

} // namespace lumio::testing
