#pragma once

#include "button/offscreen_host.h"
#include "button/property_bag.h"
#include "button/qxbutton.h"
#include "options.h"
#include "script_line.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lumio::qxinput {

// One button running on an offscreen container, driven a script line at a time. The
// button is made the way a form gets its buttons: a new instance with the settings is
// saved at design time, and the run-time button loads that set (so loading ends with the
// run-time input set-up). Its window lies at (10, 10) over a parent 20 pixels wider and
// higher; the pointer starts over the parent.
class InputTrace {
public:
    InputTrace(const Options& options, const TextPainter& text);
    ~InputTrace();
    InputTrace(const InputTrace&) = delete;
    InputTrace& operator=(const InputTrace&) = delete;

    // Runs line `number` of the script and answers its JSON object (one line, no
    // newline); empty for a skipped line.
    std::string Run(std::string_view text, int number);

private:
    void Apply(const ScriptLine& line);
    void SendHooked(WindowHandle window, MessageNumber message, WParam wParam);
    void AttachEvents();
    std::string Report(int number, int paintsBefore, const std::vector<std::string>& errors);

    OffscreenHost host_;
    std::unique_ptr<QxButton> button_;
    Point self_;
    Point other_;
    std::vector<std::string> events_;
};

// The design-time set of a new instance given the options' settings.
PropertyBag DesignedSettings(const Options& options, const TextPainter& text);

} // namespace lumio::qxinput
