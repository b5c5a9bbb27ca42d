#include "button/support/test_host.h"

#include "platform/errors.h"
#include "platform/palette.h"

namespace lumio::testing {

namespace {

const FontAttributes kFormFont{u"MS Sans Serif", 8.25, 400, 0};

} // namespace

TestHost::TestHost(float widthTwips, float heightTwips)
    : OffscreenHost(widthTwips, heightTwips, ownText) {
    Prepare();
}

TestHost::TestHost(TestDesk& sharedDesk, WindowHandle parentWindow, float widthTwips,
                   float heightTwips)
    : OffscreenHost(sharedDesk, parentWindow, widthTwips, heightTwips, ownText) {
    Prepare();
}

void TestHost::Prepare() {
    translateMessages = true;
    raiseResizeOnSetSize = false;
    displayName = u"QxButton1";
    ambientFont = kFormFont;
    OffscreenHost::SetSurfaceFont(kFormFont);
}

void TestHost::SetWindowRgn(Region r, bool redraw) {
    log.push_back(redraw ? "SetWindowRgn" : "SetWindowRgn(no redraw)");
    OffscreenHost::SetWindowRgn(std::move(r), redraw);
    ++regions;
}

void TestHost::SetWidth(float twips) {
    log.push_back("SetWidth:" + std::to_string(static_cast<int>(twips)));
    OffscreenHost::SetWidth(twips);
}

void TestHost::SetHeight(float twips) {
    log.push_back("SetHeight:" + std::to_string(static_cast<int>(twips)));
    OffscreenHost::SetHeight(twips);
}

std::int32_t TestHost::ParentProperty(std::string_view name) {
    log.push_back("Parent:" + std::string(name));
    return OffscreenHost::ParentProperty(name);
}

void TestHost::PropertyChanged(std::string_view name) {
    log.push_back("Changed:" + std::string(name));
    changes.emplace_back(name);
}

void TestHost::SetSurfaceFont(const FontAttributes& font) {
    log.push_back("SetSurfaceFont");
    OffscreenHost::SetSurfaceFont(font);
}

void TestHost::SetSurfaceMousePointer(std::int16_t pointer) {
    log.push_back("SetMousePointer:" + std::to_string(pointer));
    OffscreenHost::SetSurfaceMousePointer(pointer);
}

void TestHost::SetSurfaceMouseIcon(PictureRef icon) {
    if (failMouseIcon) {
        throw RuntimeError(ErrorNumber::InvalidPropertyValue, "not an icon");
    }
    OffscreenHost::SetSurfaceMouseIcon(std::move(icon));
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
