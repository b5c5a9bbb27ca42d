#include "input_trace.h"

#include "button/event_text.h"
#include "platform/json_string.h"
#include "platform/twips.h"

#include <exception>

namespace lumio::qxinput {

namespace {

constexpr std::int32_t kMargin = 10; // of the parent around the button

const char* Bool(bool value) {
    return value ? "true" : "false";
}

void AppendStrings(const std::vector<std::string>& items, std::string& out) {
    out += '[';
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            out += ',';
        }
        AppendJsonString(items[i], out);
    }
    out += ']';
}

// What the desktop's call log says the line asked of it: the keystrokes injected and
// how many leave notifications were requested.
std::vector<std::string> KeysSent(const FakeDesktop& desktop) {
    constexpr std::string_view kSendKeys = "SendKeys(";
    std::vector<std::string> keys;
    for (const std::string& call : desktop.calls()) {
        if (call.starts_with(kSendKeys)) {
            keys.push_back(call.substr(kSendKeys.size(), call.size() - kSendKeys.size() - 1));
        }
    }
    return keys;
}

std::size_t LeaveRequests(const FakeDesktop& desktop) {
    return desktop.CallCount("TrackMouseEvent") + desktop.CallCount("_TrackMouseEvent");
}

} // namespace

PropertyBag DesignedSettings(const Options& o, const TextPainter& text) {
    OffscreenHost design(static_cast<float>(o.width) * kTwipsPerPixel,
                         static_cast<float>(o.height) * kTwipsPerPixel, text);
    design.userMode = false;
    QxButton button(design);
    design.Attach(&button);
    button.Initialize();
    button.InitProperties();
    button.SetButtonStyle(o.style);
    if (o.checkBox) {
        button.SetCheckBoxMode(true);
    }
    if (o.value) {
        button.SetValue(true); // stored only in check-box mode
    }
    if (o.hand) {
        button.SetHandPointer(true);
    }
    if (o.disabled) {
        button.SetEnabled(false);
    }
    PropertyBag settings("qxbutton1");
    button.WriteProperties(settings);
    button.Terminate();
    design.Attach(nullptr);
    return settings;
}

InputTrace::InputTrace(const Options& o, const TextPainter& text)
    : host_(static_cast<float>(o.width) * kTwipsPerPixel,
            static_cast<float>(o.height) * kTwipsPerPixel, text) {
    FakeDesktop& desktop = host_.desktop();
    if (o.noLeave) {
        ModuleTable& modules = desktop.modules();
        modules.Add("user32",
                    {"GetCapture", "GetCursorPos", "LoadCursorA", "ReleaseCapture", "SetCapture",
                     "SetCursor", "WindowFromPoint"},
                    true);
        modules.Add("comctl32", {"InitCommonControls"}, false);
    }
    if (o.mdi) {
        host_.parentProperties["MDIChild"] = -1;
    }
    const PropertyBag settings = DesignedSettings(o, text);
    button_ = std::make_unique<QxButton>(host_);
    host_.Attach(button_.get());
    button_->Initialize();
    button_->ReadProperties(settings);

    // Placed once loaded: a size below the minimum has grown by then.
    const std::int32_t w = host_.surface().width();
    const std::int32_t h = host_.surface().height();
    desktop.PlaceWindow(host_.parentWindow(), {0, 0, w + 2 * kMargin, h + 2 * kMargin});
    desktop.PlaceWindow(host_.window(), {kMargin, kMargin, kMargin + w, kMargin + h});
    self_ = {kMargin + w / 2, kMargin + h / 2};
    other_ = {0, 0};
    desktop.PlacePointer(other_);
    AttachEvents();
}

InputTrace::~InputTrace() {
    button_->Terminate();
    host_.Attach(nullptr);
}

void InputTrace::AttachEvents() {
    DescribeEvents(button_->events,
                   [this](std::string event) { events_.push_back(std::move(event)); });
}

void InputTrace::SendHooked(WindowHandle window, MessageNumber message, WParam wParam) {
    LParam lParam = 0;
    if (message == WM_MOUSEMOVE) {
        // Where the pointer is, in the window's client coordinates, as the platform sends.
        const Point p = host_.desktop().GetCursorPos();
        lParam = MakeLParam(p.x - kMargin, p.y - kMargin);
    }
    host_.Windows().Send(window, message, wParam, lParam);
}

void InputTrace::Apply(const ScriptLine& line) {
    QxButton& b = *button_;
    const auto i16 = [&](std::size_t i) { return static_cast<std::int16_t>(line.args[i].whole); };
    const auto whole = [&](std::size_t i) { return line.args[i].whole; };
    const auto number = [&](std::size_t i) { return line.args[i].number; };
    switch (line.verb) {
    case Verb::MouseDown:
        host_.PressMouse(i16(0), i16(1), number(2), number(3));
        break;
    case Verb::MouseMove:
        b.MouseMove(i16(0), i16(1), number(2), number(3));
        break;
    case Verb::MouseUp:
        host_.ReleaseMouse(i16(0), i16(1), number(2), number(3));
        break;
    case Verb::DblClick:
        host_.DoubleClick();
        break;
    case Verb::KeyDown:
        b.KeyDown(i16(0), i16(1));
        break;
    case Verb::KeyUp:
        b.KeyUp(i16(0), i16(1));
        break;
    case Verb::AccessKeyPress:
        b.AccessKeyPress(i16(0));
        break;
    case Verb::GotFocus:
        b.GotFocus();
        break;
    case Verb::LostFocus:
        b.LostFocus();
        break;
    case Verb::Cursor:
        host_.desktop().PlacePointer(whole(0) != 0 ? self_ : other_);
        break;
    case Verb::WmMouseMove:
        SendHooked(host_.window(), WM_MOUSEMOVE, 0);
        break;
    case Verb::WmMouseLeave:
        SendHooked(host_.window(), WM_MOUSELEAVE, 0);
        break;
    case Verb::WmActivate:
        SendHooked(host_.parentWindow(), WM_ACTIVATE, whole(0));
        break;
    case Verb::WmNcActivate:
        SendHooked(host_.parentWindow(), WM_NCACTIVATE, whole(0));
        break;
    case Verb::SetValue:
        b.SetValue(whole(0) != 0);
        break;
    case Verb::SetCheckBoxMode:
        b.SetCheckBoxMode(whole(0) != 0);
        break;
    case Verb::SetEnabled:
        b.SetEnabled(whole(0) != 0);
        break;
    case Verb::SetButtonStyle:
        b.SetButtonStyle(whole(0));
        break;
    }
}

std::string InputTrace::Run(std::string_view text, int number) {
    const ParsedLine parsed = ParseScriptLine(text);
    if (parsed.skip) {
        return {};
    }
    if (!parsed.line) {
        std::string out = "{\"line\":" + std::to_string(number) + ",\"error\":";
        AppendJsonString(parsed.error, out);
        return out + "}";
    }
    FakeDesktop& desktop = host_.desktop();
    events_.clear();
    desktop.ClearCalls();
    const int paintsBefore = host_.paints();
    const std::size_t errorsBefore = host_.errors.size();
    std::vector<std::string> errors;
    try {
        Apply(*parsed.line);
        // The message loop runs between lines: whatever the line queued happens now.
        desktop.ProcessPendingMessages();
    } catch (const std::exception& e) {
        // A property assignment failed; input handlers report to the host instead.
        errors.emplace_back(e.what());
    }
    errors.insert(errors.begin(), host_.errors.begin() + static_cast<std::ptrdiff_t>(errorsBefore),
                  host_.errors.end());
    return Report(number, paintsBefore, errors);
}

std::string InputTrace::Report(int number, int paintsBefore,
                               const std::vector<std::string>& errors) {
    FakeDesktop& desktop = host_.desktop();
    const std::vector<std::string> keys = KeysSent(desktop);
    const std::size_t leaveRequests = LeaveRequests(desktop);
    const WindowHandle capture = desktop.GetCapture();
    const ButtonModel& m = button_->model();

    std::string out = "{\"line\":" + std::to_string(number);
    if (!errors.empty()) {
        std::string joined;
        for (const std::string& e : errors) {
            joined += joined.empty() ? e : "; " + e;
        }
        out += ",\"error\":";
        AppendJsonString(joined, out);
    }
    out += ",\"events\":";
    AppendStrings(events_, out);
    out += ",\"mState\":" + std::to_string(m.mState);
    out += std::string(",\"mMouseOver\":") + Bool(m.mMouseOver);
    out += std::string(",\"mLeftDown\":") + Bool(m.mLeftDown);
    out += std::string(",\"mHasFocus\":") + Bool(m.mHasFocus);
    out += std::string(",\"mSpaceDown\":") + Bool(m.mSpaceDown);
    out += std::string(",\"mParentActive\":") + Bool(m.mParentActive);
    out += std::string(",\"Value\":") + Bool(button_->Value());
    out += ",\"paints\":" + std::to_string(host_.paints() - paintsBefore);
    out += ",\"capture\":";
    out += capture == host_.window() ? "\"self\"" : capture == 0 ? "\"none\"" : "\"other\"";
    out += ",\"keys\":";
    AppendStrings(keys, out);
    out += ",\"leaveRequests\":" + std::to_string(leaveRequests);
    return out + "}";
}

} // namespace lumio::qxinput
