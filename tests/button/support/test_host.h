#pragma once

#include "button/offscreen_host.h"
#include "button/qxbutton.h"
#include "button/support/fake_text.h"

#include <string>
#include <vector>

namespace lumio::testing {

using TestDesk = OffscreenDesk;

// The fake text a TestHost measures and draws with; a base of its own so it is there
// before the host that refers to it.
struct FakeTextHolder {
    FakeText ownText;
};

// The offscreen container, recording what the control asks of it. Sizes are in twips;
// the surface follows them at 15 twips per pixel. Its control window turns messages
// into the control's input notifications, as a real container does, and setting the
// size does not deliver Resize again unless asked.
class TestHost : public FakeTextHolder, public OffscreenHost {
public:
    // A host with a desk of its own: a parent window and the control's window in it.
    explicit TestHost(float widthTwips = 1125, float heightTwips = 345);
    // A host whose control window is created on a shared desk under `parentWindow`.
    TestHost(TestDesk& sharedDesk, WindowHandle parentWindow, float widthTwips = 1125,
             float heightTwips = 345);

    void SetWindowRgn(Region region, bool redraw) override;
    void SetWidth(float twips) override;
    void SetHeight(float twips) override;
    std::int32_t ParentProperty(std::string_view name) override;
    void PropertyChanged(std::string_view name) override;
    // Noted only: no Paint follows.
    void Refresh() override { log.push_back("Refresh"); }
    void SetSurfaceFont(const FontAttributes& font) override;
    void SetSurfaceMousePointer(std::int16_t pointer) override;
    void SetSurfaceMouseIcon(PictureRef icon) override;
    void MessageBox(std::u16string_view prompt, std::int32_t style,
                    std::u16string_view title) override;
    PictureLoader* Pictures() override { return pictures; }

    bool failMouseIcon = false;
    PictureLoader* pictures = nullptr;

    int regions = 0;
    std::vector<std::string> log;         // every call, in order
    std::vector<std::string> changes;     // PropertyChanged names only
    std::vector<std::u16string> messages; // prompts of message boxes

private:
    void Prepare();
};

// A button in a TestHost, created the way a container creates a new instance.
struct NewButton {
    TestHost host;
    QxButton button{host};
    NewButton() {
        host.Attach(&button);
        button.Initialize();
        button.InitProperties();
    }
};

// A picture of the given kind and pixel size, filled with one colour.
PictureRef MakeBitmap(std::int32_t width, std::int32_t height, std::uint32_t rrggbb);
PictureRef MakeIcon(std::int32_t width, std::int32_t height, std::uint32_t rrggbb);

} // namespace lumio::testing
