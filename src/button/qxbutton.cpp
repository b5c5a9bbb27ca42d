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

void QxButton::InitProperties() {
    SetShowFocusRect(true);
    SetEnabled(true);
    SetButtonStyle(kStyleStandard);
    std::u16string name = host_.AmbientDisplayName();
    if (name.empty()) {
        // A container without display names: the window handle still tells
        // instances apart.
        const std::string number = std::to_string(hWnd());
        name = std::u16string(kDefaultCaption) + std::u16string(number.begin(), number.end());
    }
    SetCaption(std::move(name));
    host_.SetSurfaceFontName(u"Tahoma");
    SetPictureAlign(kPictureLeftOfCaption);
    SetCaptionAlign(kCaptionCenter);
    SetUseMaskColor(false);
    SetMaskColor(Rgb(0xE0, 0xE0, 0xE0));
    model_.mHeight = RoundHalfEven(host_.ScaleHeight());
    model_.mWidth = RoundHalfEven(host_.ScaleWidth());
    SetDefaultColors();
}

void QxButton::ReadProperties(const PropertyBag& bag) {
    PictureLoader* pictures = host_.Pictures();
    const auto readPicture = [&](std::string_view key) {
        try {
            return PictureFromValue(bag.ReadPicture(key), pictures);
        } catch (const PropertySetError&) {
            throw;
        } catch (const RuntimeError& e) {
            bag.Raise(*bag.Find(key), e.what());
        }
    };

    model_.ButtonStyle = bag.ReadInt32("ButtonStyle", kStyleFlat);
    model_.ShowFocusRect = bag.ReadBoolean("ShowFocusRect", false);
    AdoptFont(StdFont::Create(bag.ReadFont("Font", host_.AmbientFont())));
    host_.SetSurfaceFont(mFont->attributes());
    model_.BackColor = static_cast<OleColor>(bag.ReadColor("BackColor", DefaultBackColor()));
    model_.Enabled = bag.ReadBoolean("Enabled", true);
    model_.Caption = bag.ReadString("Caption", std::u16string(kDefaultCaption));
    model_.Value = bag.ReadBoolean("Value", false);
    host_.SetSurfaceMousePointer(bag.ReadInt16("MousePointer", 0));
    model_.HandPointer = bag.ReadBoolean("HandPointer", false);
    host_.SetSurfaceMouseIcon(readPicture("MouseIcon"));
    model_.Picture = readPicture("Picture");
    model_.PictureHover = readPicture("PictureHover");
    model_.PictureSize = bag.ReadInt32("PictureSize", kSizeNatural);
    model_.MaskColor = static_cast<OleColor>(bag.ReadColor("MaskColor", 0xE0E0E0u));
    // Stored sets spell this key so; keep the spelling or they stop loading.
    model_.UseMaskColor = bag.ReadBoolean("UseMaskCOlor", false);
    model_.CheckBoxMode = bag.ReadBoolean("CheckBoxMode", false);
    model_.PictureAlign = bag.ReadInt32("PictureAlign", kPictureLeftOfCaption);
    model_.CaptionAlign = bag.ReadInt32("CaptionAlign", kCaptionCenter);
    model_.ForeColor = static_cast<OleColor>(bag.ReadColor("ForeColor", DefaultForeColor()));

    host_.SetSurfaceForeColor(model_.ForeColor);
    host_.SetSurfaceEnabled(model_.Enabled);
    SetAccessKeys();
    model_.mHeight = RoundHalfEven(host_.ScaleHeight());
    model_.mWidth = RoundHalfEven(host_.ScaleWidth());
    model_.mParentHwnd = host_.ParentProperty("hWnd");
    Resize();
    if (host_.AmbientUserMode()) {
        StartInput();
    }
}

FontAttributes QxButton::SavedFont() const {
    // A new instance has no font object yet and draws with the surface's font; saving
    // that font keeps its look when it is loaded back.
    return mFont ? mFont->attributes() : host_.SurfaceFont();
}

void QxButton::WriteProperties(PropertyBag& bag) const {
    const PictureLoader* pictures = host_.Pictures();
    const auto u32 = [](OleColor c) { return static_cast<std::uint32_t>(c); };
    bag.WriteInt32("ButtonStyle", model_.ButtonStyle, kStyleFlat);
    bag.WriteBoolean("ShowFocusRect", model_.ShowFocusRect, false);
    bag.WriteBoolean("Enabled", model_.Enabled, true);
    bag.WriteFont("Font", SavedFont(), host_.AmbientFont());
    bag.WriteColor("BackColor", u32(model_.BackColor), u32(DefaultBackColor()));
    bag.WriteString("Caption", model_.Caption, std::u16string(kDefaultCaption));
    bag.WriteColor("ForeColor", u32(model_.ForeColor), u32(DefaultForeColor()));
    bag.WriteBoolean("CheckBoxMode", model_.CheckBoxMode, false);
    bag.WriteBoolean("Value", model_.Value, false);
    bag.WriteInt16("MousePointer", host_.SurfaceMousePointer(), 0);
    bag.WriteBoolean("HandPointer", model_.HandPointer, false);
    bag.WritePicture("MouseIcon", ValueFromPicture(host_.SurfaceMouseIcon(), pictures));
    bag.WritePicture("Picture", ValueFromPicture(model_.Picture, pictures));
    bag.WritePicture("PictureHover", ValueFromPicture(model_.PictureHover, pictures));
    bag.WriteInt32("PictureAlign", model_.PictureAlign, kPictureLeftOfCaption);
    // Both spellings are what stored sets hold and other readers expect; keep them.
    bag.WriteInt32("pictureSize", model_.PictureSize, kSizeNatural);
    bag.WriteBoolean("UseMaskCOlor", model_.UseMaskColor, false);
    bag.WriteColor("MaskColor", u32(model_.MaskColor), 0xE0E0E0u);
    bag.WriteInt32("CaptionAlign", model_.CaptionAlign, kCaptionCenter);
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
