#pragma once

#include "reader/controls.h"
#include "reader/window_services.h"

#include <chrono>
#include <cstdint>
#include <string>

namespace lumio::tty {

// The viewer as the terminal shows it: the text and the coloured range.
class TtyViewer : public Viewer {
public:
    void SetText(std::u16string_view text) override;
    void SetSelStart(std::int32_t start) override { selStart_ = start; }
    void SetSelLength(std::int32_t length) override { selLength_ = length; }
    void SetSelColor(std::uint32_t color) override;

    const std::u16string& Text() const { return text_; }
    bool HasMark() const { return markLength_ > 0; }
    std::int32_t MarkStart() const { return markStart_; }
    std::int32_t MarkLength() const { return markLength_; }

private:
    std::u16string text_;
    std::int32_t selStart_ = 0;
    std::int32_t selLength_ = 0;
    std::int32_t markStart_ = 0;
    std::int32_t markLength_ = 0;
};

// A timer the program's loop polls: it knows when its next tick is due.
class TtyTimer : public Timer {
public:
    using Clock = std::chrono::steady_clock;

    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override;
    void SetInterval(std::int32_t milliseconds) override;

    std::int32_t Interval() const { return interval_; }
    Clock::time_point Due() const { return due_; }
    // Starts a fresh interval from now (after each tick: a late tick is not made up).
    void Rearm() { due_ = Clock::now() + std::chrono::milliseconds(interval_); }

private:
    bool enabled_ = false;
    std::int32_t interval_ = 200;
    Clock::time_point due_{};
};

class TtySlider : public Slider, public SliderSetter {
public:
    explicit TtySlider(std::int32_t value) : value_(value) {}
    std::int32_t Value() const override { return value_; }
    void SetValue(std::int32_t value) override { value_ = value; }

private:
    std::int32_t value_;
};

// Messages go to stderr; the program exits with status 2 after one.
class StderrMessageBox : public MessageBox {
public:
    void Show(std::u16string_view prompt, int style, std::u16string_view title) override;
    bool Shown() const { return shown_; }

private:
    bool shown_ = false;
};

// The terminal has no file dialog: the document comes from the command line.
class NoDialog : public OpenDialog {
public:
    void SetFilter(std::u16string_view) override {}
    bool ShowOpen() override { return false; }
    std::u16string FileName() const override { return {}; }
};

} // namespace lumio::tty
