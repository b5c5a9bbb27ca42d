#include "button_image.h"

#include "button/offscreen_host.h"
#include "button/qxbutton.h"
#include "platform/twips.h"

namespace lumio::qxrender {

namespace {} // namespace

Bitmap RenderButton(const Options& o, const TextPainter& text) {
    OffscreenHost host(static_cast<float>(o.width) * kTwipsPerPixel,
                       static_cast<float>(o.height) * kTwipsPerPixel, text);
    host.SetAmbientBackColor(o.ambientBack);
    host.displayAsDefault = o.isDefault;
    QxButton button(host);
    host.Attach(&button);

    // A new instance in a running container, then what the options say.
    button.Initialize();
    button.InitProperties();
    button.SetButtonStyle(o.style);
    if (o.backColor) {
        button.SetBackColor(*o.backColor);
    }
    if (o.foreColor) {
        button.SetForeColor(*o.foreColor);
    }
    if (o.focusRect) {
        button.SetShowFocusRect(*o.focusRect);
    }
    if (o.checked) {
        button.SetCheckBoxMode(true);
        button.SetValue(true);
    }
    if (o.disabled) {
        button.SetEnabled(false);
    }
    button.SetCaption(o.caption);
    button.AmbientChanged("DisplayAsDefault");

    ButtonModel& m = button.model();
    m.mHasFocus = o.focus;
    m.mParentActive = !o.inactive;
    m.mMouseOver = o.mouseOver;
    m.mLeftDown = o.leftDown;
    m.mState = o.state;

    // A first showing paints twice; the second picture is the one that stays.
    button.Paint();
    button.Paint();
    return host.Composite();
}

} // namespace lumio::qxrender
