#pragma once

#include "reader/controls.h"
#include "reader/tray_icon_data.h"
#include "reader/window_services.h"

#include <cstdint>
#include <functional>
#include <string>

namespace lumio {

// The window's own procedure as the reader links it over the window's chain: it sees a
// message after the procedures underneath have answered it and may change the answer.
using WindowProcRule = std::function<std::int32_t(std::int32_t message, std::int32_t result)>;

// What linking a procedure returns: enough to unlink exactly that procedure later.
using WindowProcToken = std::int64_t;

// The top-level window with its procedure chain.
class ReaderFormWindow : public FormWindow, public DropTarget {
public:
    // Links `rule` over the current procedure and answers the procedure it replaced.
    virtual WindowProcToken InstallWindowProc(WindowProcRule rule) = 0;
    // Puts back the procedure `token` names, unlinking the one installed over it.
    virtual void RestoreWindowProc(WindowProcToken token) = 0;
};

// The controls and services the window side of the reader works with; the window does
// not own them.
struct MainMsgWindowParts {
    ReaderFormWindow& form;
    DropTarget& rtxt1;
    Timer& trm1;
    SliderSetter& Slider1;
    CaptionedButton& cmd_top;
    NotifyArea& tray;
    Shell& shell;
    IconHandle image1Icon;       // the program icon (Image1's picture)
    std::u16string makerWebPage; // what the web-page button opens
};

// The reader window's side that is not reading: its load and unload steps, the window
// procedure that lets the title strip drag the window, the tray icon's callback and the
// pin, web-page and exit commands. Qt-free; the desktop program calls the handlers.
class MainMsgWindow {
public:
    // The tray record's texts, used exactly as they stand.
    static constexpr std::u16string_view kBalloonText = u"提示：左键显示，右键隐藏";
    static constexpr std::u16string_view kBalloonTitle = u"Tolva电子文档阅读器";
    // The colour key: the window's back colour, invisible and click-through.
    static constexpr OleColor kColorKey = Rgb(66, 66, 66);
    static constexpr std::int32_t kInitialInterval = 200;
    static constexpr std::int32_t kInitialSpeed = 5;

    explicit MainMsgWindow(const MainMsgWindowParts& parts);

    // Runs once at start-up, before the window is shown for good.
    void Form_Load();
    // Runs for every way the window closes.
    void Form_Unload();

    // What WindowProc makes of the answer the procedures underneath gave: a hit on the
    // client area becomes a hit on the caption, so pressing there drags the window.
    static std::int32_t WindowProc(std::int32_t message, std::int32_t previousResult);

    // The tray icon's callback: Button 1 (left) shows the window, 2 (right) hides it.
    void Form_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);

    // The Button of the window's MouseMove event for the mouse message that the
    // notification area reports (in lParam of the callback message): any left-button
    // message gives 1, any right-button message 2, anything else (mere movement) 0.
    static std::int16_t TrayButtonFor(MessageNumber mouseMessage);
    // The Button of a mouse-move message from the buttons its wParam says are held: left
    // before right, 0 for none.
    static std::int16_t ButtonFromMouseKeys(WParam keys);

    void cmd_top_Click();   // pin toggle
    void cmd_tolva_Click(); // the maker's web page
    void cmd_exit_Click();  // unload

    const TrayIconData& trayIconData() const { return trayIconData_; }
    std::int32_t extendedStyle() const { return extendedStyle_; }
    bool windowProcInstalled() const { return windowProcInstalled_; }

    // The captions and tool tips of the pin button.
    static constexpr std::u16string_view kPinnedCaption = u"5";
    static constexpr std::u16string_view kUnpinnedCaption = u"6";
    static constexpr std::u16string_view kPinToolTip = u"置顶窗体";
    static constexpr std::u16string_view kUnpinToolTip = u"取消置顶窗体";

private:
    void FillTrayIconData();

    MainMsgWindowParts parts_;
    std::int32_t extendedStyle_ = 0;
    TrayIconData trayIconData_;
    WindowProcToken oldWindowProc_ = 0;
    bool windowProcInstalled_ = false;
    bool trayIconAdded_ = false;
};

// The caption read as a number the way the pin command reads it: leading blanks
// skipped, then an optional sign and digits; anything else ends the number (0 if none).
double CaptionNumber(std::u16string_view caption);

} // namespace lumio
