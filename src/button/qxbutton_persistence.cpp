// Loading and saving a qxbutton: the new-instance values, the persisted set read back
// (ending in the run-time input set-up) and written out with its saved defaults.
#include "button/qxbutton.h"
#include "platform/numeric.h"

namespace lumio {

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

} // namespace lumio
