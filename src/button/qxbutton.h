#pragma once

#include "button/control_host.h"
#include "button/message_hook.h"
#include "button/property_bag.h"
#include "button/render/button_model.h"
#include "button/std_font.h"
#include "button/subclass_callback.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace lumio {

// The events a qxbutton declares, in their order. Arguments are passed by reference;
// Button and Shift are 16-bit (Button 1 = left; Shift 1 Shift, 2 Ctrl, 4 Alt), x and y
// are in the surface's units. A container subscribes by setting the callbacks.
struct QxButtonEvents {
    std::function<void()> Click;
    std::function<void()> DblClick;
    std::function<void()> MouseEnter;
    std::function<void()> MouseLeave;
    std::function<void(std::int16_t& Button, std::int16_t& Shift, float& x, float& y)> MouseMove;
    std::function<void(std::int16_t& Button, std::int16_t& Shift, float& x, float& y)> MouseUp;
    std::function<void(std::int16_t& Button, std::int16_t& Shift, float& x, float& y)> MouseDown;
    std::function<void(std::int16_t& KeyCode, std::int16_t& Shift)> KeyDown;
    std::function<void(std::int16_t& KeyCode, std::int16_t& Shift)> KeyUp;
    std::function<void(std::int16_t& KeyAcsii)> KeyPress; // declared, never raised
};

// The qxbutton control: a push button with sixteen looks, optional pictures, a
// check-box mode and access keys, living in a ControlHost. The host outlives it.
class QxButton final : public SubclassCallback {
public:
    // The saved default of Caption: the text loading falls back to. Only a caption
    // that loads back as itself is ever left out of a saved set.
    static constexpr std::u16string_view kDefaultCaption = u"qxbutton";

    explicit QxButton(ControlHost& host);
    ~QxButton();
    QxButton(const QxButton&) = delete;
    QxButton& operator=(const QxButton&) = delete;

    QxButtonEvents events;

    // --- Host notifications ------------------------------------------------------------
    void Initialize();
    void InitProperties();
    void ReadProperties(const PropertyBag& bag);
    void WriteProperties(PropertyBag& bag) const;
    void Resize();
    void Paint();
    void AmbientChanged(std::string_view name);
    void Terminate();
    // The font object's change notification.
    void mFont_FontChanged(std::string_view PropertyName);

    // --- Input notifications (run time) -------------------------------------------------
    // The host calls these for the control's own window (see ControlHost). Button and
    // Shift are as in the events; x and y are in pixels of the surface. They never throw:
    // an error ends the handler and goes to ControlHost::HandlerError. An event callback
    // may destroy the control; the handler then stops there.
    void MouseDown(std::int16_t Button, std::int16_t Shift, float x, float y);
    void MouseMove(std::int16_t Button, std::int16_t Shift, float x, float y);
    void MouseUp(std::int16_t Button, std::int16_t Shift, float x, float y);
    // The second press of a double click, between its mouse-up notifications.
    void DblClick();
    void KeyDown(std::int16_t KeyCode, std::int16_t Shift);
    void KeyUp(std::int16_t KeyCode, std::int16_t Shift);
    // The access key the control registered with the container; Enter (13) and Escape
    // (27) may come this way too.
    void AccessKeyPress(std::int16_t KeyAscii);
    void GotFocus();
    void LostFocus();

    // --- Public members --------------------------------------------------------------
    // The message hook's callback, for the messages the control watches after the
    // window's own processing: mouse move and leave of its own window, activation of its
    // parent. It never stops a message nor changes its result, and never throws.
    void zSubclass_Proc(bool bBefore, bool& bHandled, MessageResult& lReturn,
                        WindowHandle& lng_hWnd, MessageNumber& uMsg, WParam& wParam,
                        LParam& lParam) override;
    void About();

    OleColor BackColor() const { return model_.BackColor; }
    void SetBackColor(OleColor value);
    std::int32_t ButtonStyle() const { return model_.ButtonStyle; }
    void SetButtonStyle(std::int32_t value);
    const std::u16string& Caption() const { return model_.Caption; }
    void SetCaption(std::u16string value);
    std::int32_t CaptionAlign() const { return model_.CaptionAlign; }
    void SetCaptionAlign(std::int32_t value);
    bool CheckBoxMode() const { return model_.CheckBoxMode; }
    void SetCheckBoxMode(bool value);
    bool Enabled() const { return model_.Enabled; }
    void SetEnabled(bool value);
    const FontRef& Font() const { return mFont; }
    void SetFont(FontRef font);
    OleColor ForeColor() const { return model_.ForeColor; }
    void SetForeColor(OleColor value);
    bool HandPointer() const { return model_.HandPointer; }
    void SetHandPointer(bool value);
    std::int32_t hWnd() const;
    OleColor MaskColor() const { return model_.MaskColor; }
    void SetMaskColor(OleColor value);
    PictureRef MouseIcon() const;
    void SetMouseIcon(PictureRef icon);
    std::int16_t MousePointer() const;
    // Takes any 32-bit value; one that does not fit 16 bits raises Overflow.
    void SetMousePointer(std::int32_t value);
    const PictureRef& Picture() const { return model_.Picture; }
    void SetPicture(PictureRef picture);
    std::int32_t PictureAlign() const { return model_.PictureAlign; }
    void SetPictureAlign(std::int32_t value);
    std::int32_t PictureSize() const { return model_.PictureSize; }
    void SetPictureSize(std::int32_t value);
    const PictureRef& PictureHover() const { return model_.PictureHover; }
    void SetPictureHover(PictureRef picture);
    bool ShowFocusRect() const { return model_.ShowFocusRect; }
    void SetShowFocusRect(bool value);
    bool UseMaskColor() const { return model_.UseMaskColor; }
    void SetUseMaskColor(bool value);
    bool Value() const { return model_.Value; }
    void SetValue(bool value);

    // --- Run-time fields and drawing state ----------------------------------------------
    // The input handlers and the renderers read and write these by their names.
    ButtonModel& model() { return model_; }
    const ButtonModel& model() const { return model_; }
    ControlHost& host() { return host_; }
    // The control's hook records; null until the run-time input set-up made them.
    const MessageHook* messageHook() const { return hook_ ? &*hook_ : nullptr; }

    // PaintButton on this control's surface.
    void PaintButton();

private:
    void SetDefaultColors();
    void SetButtonRegion();
    void SetAccessKeys();
    void Changed(std::string_view name) { host_.PropertyChanged(name); }
    void AdoptFont(FontRef font);
    OleColor DefaultBackColor() const;
    OleColor DefaultForeColor() const;
    FontAttributes SavedFont() const;

    // Run-time input set-up and its undoing (hand cursor, leave tracking, message
    // hooks): the last step of loading and the body of Terminate, both at run time
    // only.
    void StartInput();
    void StopInput();
    bool IsFunctionExported(std::string_view function, std::string_view module);
    void TrackMouseLeave(WindowHandle window);
    void ApplyHandCursor();

    // The handlers' bodies. `alive` turns false when an event callback destroyed the
    // control; RaiseEvent then ends the handler.
    template <typename Body>
    void RunHandler(Body&& body);
    void DoMouseDown(const bool& alive, std::int16_t Button, std::int16_t Shift, float x, float y);
    void DoMouseMove(const bool& alive, std::int16_t Button, std::int16_t Shift, float x, float y);
    void DoMouseUp(const bool& alive, std::int16_t Button, std::int16_t Shift, float x, float y);
    void DoDblClick(const bool& alive);
    void DoKeyDown(const bool& alive, std::int16_t KeyCode, std::int16_t Shift);
    void DoKeyUp(const bool& alive, std::int16_t KeyCode, std::int16_t Shift);
    void DoAccessKeyPress(const bool& alive, std::int16_t KeyAscii);
    void DoLostFocus();
    void DoHookMessage(const bool& alive, WindowHandle window, MessageNumber message,
                       WParam wParam);
    void EndSpaceCapture();
    bool PointerIsOver(WindowHandle window);

    ControlHost& host_;
    ButtonModel model_;
    FontRef mFont;
    StdFont::Subscription fontSubscription_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    // Last, so it is unhooked first when the control goes.
    std::optional<MessageHook> hook_;
};

} // namespace lumio
