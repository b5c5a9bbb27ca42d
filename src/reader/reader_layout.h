#pragma once

#include "platform/color.h"
#include "platform/display_scale.h"
#include "platform/font.h"
#include "platform/rect.h"
#include "reader/form_file.h"
#include "reader/main_msg.h"
#include "reader/main_msg_window.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumio {

// The reader window as its form lays it out, in the units a front end builds it in:
// every decision about the window's controls that needs no toolkit, made once here so
// that each front end only creates the widgets or windows it is told to.

enum class ReaderControlKind { Button, Slider, Viewer };

struct ReaderControl {
    ReaderControlKind kind = ReaderControlKind::Button;
    std::u16string name;
    Rect geometry; // pixels in the window's client area
    // The position as stored (twips): a button's host takes these as they are, so a
    // control's scale size follows the same rounding as on the platform.
    float leftTwips = 0;
    float topTwips = 0;
    float widthTwips = 0;
    float heightTwips = 0;
    std::int32_t tabIndex = 0;
    std::u16string toolTip;
    bool visible = true;
    // Sliders: range and the value set at design time.
    std::int32_t min = 0;
    std::int32_t max = 10;
    std::int32_t value = 0;
    // The viewer's font.
    FontAttributes font;
    // A button's persisted property set, exactly as the button loads it.
    PropertyBag properties;
};

struct ReaderLayout {
    std::u16string title;
    DisplayScale scale;           // what the pixels below are laid out for
    std::int32_t clientWidth = 0; // pixels
    std::int32_t clientHeight = 0;
    FontAttributes ambientFont; // the window's font, the buttons' ambient font
    OleColor backColor = Rgb(255, 255, 255);
    std::int32_t timerInterval = 0;
    bool timerEnabled = true;
    // In the form's order: each control lies above the ones before it, so the title strip,
    // first, lies beneath all others.
    std::vector<ReaderControl> controls;
    // The controls that take the focus (buttons and sliders), in their tab order; equal
    // tab indices keep the form's order.
    std::vector<std::u16string> tabOrder;

    const ReaderControl* Find(std::u16string_view name) const;
};

// Lays out the reader window from its form. txt1 and txt2 are the core's own strings and
// dlg1, Image1 and the message box are services of the window, so they get no control.
// Every length in pixels follows the display's scale; fonts stay in points.
ReaderLayout LayoutReaderWindow(const Form& form, DisplayScale scale = DisplayScale{});

// The control names of the reader window's form that the program addresses by name. The
// form file and the commands below rely on them; renaming one means renaming both.
inline constexpr std::u16string_view kTitleStripName = u"cmd_main";
inline constexpr std::u16string_view kPinButtonName = u"cmd_top";
inline constexpr std::u16string_view kSpeedSliderName = u"Slider1";
inline constexpr std::u16string_view kStartSliderName = u"Slider2";

// Which handler each button's Click runs.
struct ButtonCommand {
    std::u16string_view button;
    void (*run)(MainMsg& reading, MainMsgWindow& window);
};
const std::vector<ButtonCommand>& ReaderButtonCommands();

} // namespace lumio
