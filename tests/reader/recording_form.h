#pragma once

#include "fake_controls.h"
#include "reader/main_msg_window.h"

#include <stdexcept>
#include <string>

namespace lumio::testing {

// The reader's top-level window, writing every call into the log.
class RecordingForm : public ReaderFormWindow {
public:
    explicit RecordingForm(CallLog& log) : log_(log) {}
    WindowHandle hWnd() const override { return 0x4242; }
    void SetBackColor(OleColor c) override { log_.Add("BackColor=" + std::to_string(c)); }
    void SetBorderStyle(std::int32_t s) override { log_.Add("BorderStyle=" + std::to_string(s)); }
    std::int32_t GetExtendedStyle() const override {
        log_.Add("GetExStyle");
        return exStyle;
    }
    void SetExtendedStyle(std::int32_t s) override {
        exStyle = s;
        log_.Add("SetExStyle=" + std::to_string(s));
    }
    void SetLayeredWindowAttributes(OleColor key, std::uint8_t alpha, std::uint32_t f) override {
        log_.Add("Layered(" + std::to_string(key) + "," + std::to_string(alpha) + "," +
                 std::to_string(f) + ")");
    }
    void SetWindowPos(std::int32_t after, std::uint32_t f) override {
        log_.Add("SetWindowPos(" + std::to_string(after) + "," + std::to_string(f) + ")");
        topmost = after == HWND_TOPMOST;
    }
    void Show() override {
        if (failShowHide) {
            log_.Add("Show failed");
            throw std::runtime_error("no window");
        }
        visible = true;
        log_.Add("Show");
    }
    void Hide() override {
        if (failShowHide) {
            log_.Add("Hide failed");
            throw std::runtime_error("no window");
        }
        visible = false;
        log_.Add("Hide");
    }
    void SetIcon(IconHandle icon) override { log_.Add("Icon=" + std::to_string(icon)); }
    void Unload() override { log_.Add("Unload"); }
    void SetOLEDropMode(std::int32_t m) override { log_.Add("OLEDropMode=" + std::to_string(m)); }
    WindowProcToken InstallWindowProc(WindowProcRule r) override {
        rule = std::move(r);
        log_.Add("InstallWindowProc");
        return 77;
    }
    void RestoreWindowProc(WindowProcToken token) override {
        log_.Add("RestoreWindowProc=" + std::to_string(token));
    }

    std::int32_t exStyle = 0x100;
    bool visible = false;
    bool topmost = false;
    bool failShowHide = false;
    WindowProcRule rule;

private:
    CallLog& log_;
};

} // namespace lumio::testing
