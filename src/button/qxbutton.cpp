#include "button/qxbutton.h"

#include "button/render/color_helpers.h"
#include "button/render/paint_button.h"
#include "platform/numeric.h"
#include "platform/os_version.h"
#include "platform/palette.h"

#include <array>
#include <limits>

namespace lumio {

namespace {

constexpr float kMinimumExtentTwips = 220.0f;
constexpr std::int16_t kMousePointerCustom = 99;
constexpr std::int32_t kMsgBoxInformation = 64;

// The starting back colour of each look, as a colour value; styles 4 and the values
// outside 0 to 15 are handled apart (4 is derived, the others keep BackColor).
constexpr std::array<OleColor, 16> kStyleBackColors = {
    SystemColor(kColorBtnFace),
    SystemColor(kColorBtnFace),
    FromRrggbb(0xECEBE7),
    SystemColor(kColorBtnFace),
    0 /* derived */,
    FromRrggbb(0x006DAA),
    FromRrggbb(0xD5D6E1),
    FromRrggbb(0xADD1FF),
    SystemColor(kColorBtnFace),
    SystemColor(kColorBtnFace),
    FromRrggbb(0xADD1FF),
    SystemColor(kColorBtnFace),
    SystemColor(kColorBtnFace),
    FromRrggbb(0xCAE1FC),
    FromRrggbb(0xD0D0D0),
    FromRrggbb(0xA7CAE6),
};

// Styles that show a focus rectangle from the start.
constexpr bool StyleShowsFocusRect(std::int32_t style) {
    return style == kStyleStandard || style == kStyleFlat || style == kStyleShadow ||
           style == kStyleSoftGradient || style == kStyleSideGradient;
}

} // namespace

QxButton::QxButton(ControlHost& host) : host_(host) {}

QxButton::~QxButton() {
    // An event callback may destroy the control while one of its handlers runs; the
    // handler sees this and stops before touching the control again.
    *alive_ = false;
}

void QxButton::PaintButton() {
    PaintContext ctx{model_, host_};
    lumio::PaintButton(ctx);
}

void QxButton::SetButtonRegion() {
    PaintContext ctx{model_, host_};
    lumio::SetButtonRegion(ctx);
}

void QxButton::SetAccessKeys() {
    PaintContext ctx{model_, host_};
    lumio::SetAccessKeys(ctx);
}

OleColor QxButton::DefaultBackColor() const {
    return TranslateColor(SystemColor(kColorBtnFace), host_.surface().palette());
}

OleColor QxButton::DefaultForeColor() const {
    return TranslateColor(SystemColor(kColorBtnText), host_.surface().palette());
}

// --- Host notifications -------------------------------------------------------------

void QxButton::Initialize() {
    model_.mIsNT = (QueryPlatformId() & kPlatformIdNT) == kPlatformIdNT;
}

void QxButton::Resize() {
    // The host may deliver Resize again from inside either setter; that pass finds
    // the size already valid.
    if (host_.Height() < kMinimumExtentTwips) {
        host_.SetHeight(kMinimumExtentTwips);
    }
    if (host_.Width() < kMinimumExtentTwips) {
        host_.SetWidth(kMinimumExtentTwips);
    }
    SetButtonRegion();
    PaintButton();
}

void QxButton::Paint() {
    PaintButton();
}

void QxButton::AmbientChanged(std::string_view name) {
    model_.mDisplayAsDefault = host_.AmbientDisplayAsDefault();
    if (name == "DisplayAsDefault") {
        PaintButton();
    }
    if (name == "BackColor") {
        PaintButton();
    }
}

void QxButton::Terminate() {
    try {
        if (host_.AmbientUserMode()) {
            StopInput();
        }
    } catch (...) {
        // Termination never fails: the container is tearing the control down.
    }
}

void QxButton::mFont_FontChanged(std::string_view) {
    host_.SetSurfaceFont(mFont->attributes());
    host_.Refresh();
    PaintButton();
    Changed("Font");
}

void QxButton::AdoptFont(FontRef font) {
    fontSubscription_ = StdFont::Subscription();
    mFont = std::move(font);
    fontSubscription_ =
        mFont->Subscribe([this](std::string_view name) { mFont_FontChanged(name); });
}

// --- Public members ------------------------------------------------------------------

void QxButton::About() {
    host_.MessageBox(u"QXButton\nA Multistyle Button Control", kMsgBoxInformation, u"About");
}

std::int32_t QxButton::hWnd() const {
    return host_.hWnd();
}

void QxButton::SetDefaultColors() {
    const std::int32_t style = model_.ButtonStyle;
    if (style == kStyleBlueGlass) {
        SetBackColor(
            ShiftColor(TranslateColor(FromRrggbb(0xD4D4D4), host_.surface().palette()), 0.06f));
    } else if (style >= 0 && style < static_cast<std::int32_t>(kStyleBackColors.size())) {
        SetBackColor(TranslateColor(kStyleBackColors[static_cast<std::size_t>(style)],
                                    host_.surface().palette()));
    }
    SetForeColor(style == kStyleShadow
                     ? TranslateColor(FromRrggbb(0xFFFFFF), host_.surface().palette())
                     : DefaultForeColor());
    SetShowFocusRect(StyleShowsFocusRect(style));
}

void QxButton::SetBackColor(OleColor value) {
    model_.BackColor = value;
    PaintButton();
    Changed("BackColor");
}

void QxButton::SetButtonStyle(std::int32_t value) {
    model_.ButtonStyle = value;
    // The shadow look leaves the surface in inversion mode for its focus rectangle.
    // Every other look draws its lines in their own colours, so a new look starts from
    // the default mode; otherwise a focused shadow button switched to, say, the gloss
    // look would show its rim inverted.
    host_.surface().SetDrawMode(kDrawModeCopyPen);
    SetDefaultColors();
    SetButtonRegion();
    PaintButton();
    Changed("ButtonStyle");
}

void QxButton::SetCaption(std::u16string value) {
    model_.Caption = std::move(value);
    SetAccessKeys();
    PaintButton();
    Changed("Caption");
}

void QxButton::SetCaptionAlign(std::int32_t value) {
    model_.CaptionAlign = value;
    PaintButton();
    Changed("CaptionAlign");
}

void QxButton::SetCheckBoxMode(bool value) {
    model_.CheckBoxMode = value;
    if (!value) {
        model_.mState = kStateNormal;
    }
    PaintButton();
    Changed("Value");
    Changed("CheckBoxMode");
}

void QxButton::SetEnabled(bool value) {
    model_.Enabled = value;
    host_.SetSurfaceEnabled(value);
    PaintButton();
    Changed("Enabled");
}

void QxButton::SetFont(FontRef font) {
    // A button always draws with some font: refuse "no font" before anything changes,
    // instead of storing it and failing on the next paint or save.
    if (!font) {
        throw RuntimeError(ErrorNumber::InvalidPropertyValue, "Invalid property value");
    }
    AdoptFont(std::move(font));
    host_.Refresh();
    PaintButton();
    Changed("Font");
    mFont_FontChanged("");
}

void QxButton::SetForeColor(OleColor value) {
    model_.ForeColor = value;
    host_.SetSurfaceForeColor(value);
    Resize();
    Changed("ForeColor");
}

void QxButton::SetHandPointer(bool value) {
    model_.HandPointer = value;
    Changed("HandPointer");
}

void QxButton::SetMaskColor(OleColor value) {
    model_.MaskColor = value;
    PaintButton();
    Changed("MaskColor");
}

PictureRef QxButton::MouseIcon() const {
    return host_.SurfaceMouseIcon();
}

void QxButton::SetMouseIcon(PictureRef icon) {
    // Every step runs even when an earlier one fails; this accessor reports nothing.
    const bool none = icon == nullptr;
    try {
        host_.SetSurfaceMouseIcon(std::move(icon));
    } catch (...) {
    }
    try {
        host_.SetSurfaceMousePointer(none ? 0 : kMousePointerCustom);
    } catch (...) {
    }
    try {
        Changed("MouseIcon");
    } catch (...) {
    }
}

std::int16_t QxButton::MousePointer() const {
    return host_.SurfaceMousePointer();
}

void QxButton::SetMousePointer(std::int32_t value) {
    if (value < std::numeric_limits<std::int16_t>::min() ||
        value > std::numeric_limits<std::int16_t>::max()) {
        throw RuntimeError(ErrorNumber::Overflow, "Overflow");
    }
    host_.SetSurfaceMousePointer(static_cast<std::int16_t>(value));
    Changed("MousePointer");
}

void QxButton::SetPicture(PictureRef picture) {
    model_.Picture = std::move(picture);
    if (!model_.Picture) {
        Resize();
        return;
    }
    PaintButton();
    Changed("Picture");
}

void QxButton::SetPictureAlign(std::int32_t value) {
    model_.PictureAlign = value;
    if (model_.Picture) {
        PaintButton();
    }
    Changed("PictureAlign");
}

void QxButton::SetPictureSize(std::int32_t value) {
    model_.PictureSize = value;
    PaintButton();
    Changed("PictureSize");
}

void QxButton::SetPictureHover(PictureRef picture) {
    if (!model_.Picture) {
        SetPicture(picture);
    }
    model_.PictureHover = std::move(picture);
    if (!model_.PictureHover) {
        Resize();
        return;
    }
    PaintButton();
    Changed("PictureHover");
}

void QxButton::SetShowFocusRect(bool value) {
    model_.ShowFocusRect = value;
    Changed("ShowFocusRect");
}

void QxButton::SetUseMaskColor(bool value) {
    model_.UseMaskColor = value;
    if (model_.Picture) {
        PaintButton();
    }
    Changed("UseMaskColor");
}

void QxButton::SetValue(bool value) {
    if (model_.CheckBoxMode) {
        model_.Value = value;
        if (!value) {
            model_.mState = kStateNormal;
        }
        PaintButton();
        Changed("Value");
        return;
    }
    model_.mState = kStateNormal;
    PaintButton();
}

} // namespace lumio
