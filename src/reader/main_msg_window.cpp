#include "reader/main_msg_window.h"

#include "reader/boss_key.h"

namespace lumio {

namespace {

constexpr std::int16_t kLeftButton = 1;
constexpr std::int16_t kRightButton = 2;

constexpr std::uint32_t kTrayRecordSize = 488;
constexpr std::uint32_t kTrayIconId = 1;
constexpr std::uint32_t kTrayCallbackMessage = WM_MOUSEMOVE;

constexpr std::uint32_t kNoMoveNoSize = SWP_NOMOVE | SWP_NOSIZE;

} // namespace

MainMsgWindow::MainMsgWindow(const MainMsgWindowParts& parts) : parts_(parts) {}

void MainMsgWindow::Form_Load() {
    ReaderFormWindow& form = parts_.form;
    form.SetBackColor(kColorKey);
    form.SetBorderStyle(kBorderStyleNone);

    extendedStyle_ = form.GetExtendedStyle() | WS_EX_LAYERED;
    form.SetExtendedStyle(extendedStyle_);
    form.SetLayeredWindowAttributes(kColorKey, 0, LWA_COLORKEY);

    form.SetWindowPos(HWND_TOPMOST, kNoMoveNoSize);
    form.Show();

    oldWindowProc_ = form.InstallWindowProc(&MainMsgWindow::WindowProc);
    windowProcInstalled_ = true;

    form.SetOLEDropMode(kOleDropManual);
    parts_.rtxt1.SetOLEDropMode(kOleDropManual);

    FillTrayIconData();
    parts_.tray.Shell_NotifyIcon(NIM_ADD, trayIconData_);
    trayIconAdded_ = true;

    form.SetIcon(parts_.image1Icon);
    form.Hide();

    parts_.trm1.SetInterval(kInitialInterval);
    parts_.trm1.SetEnabled(false);
    parts_.Slider1.SetValue(kInitialSpeed);
}

void MainMsgWindow::FillTrayIconData() {
    TrayIconData& d = trayIconData_;
    d = TrayIconData{};
    d.cbSize = kTrayRecordSize;
    d.hWnd = parts_.form.hWnd();
    d.uID = kTrayIconId;
    d.uFlags = NIF_MESSAGE | NIF_ICON | NIF_INFO; // no NIF_TIP: the icon shows no hover tip
    d.uCallbackMessage = kTrayCallbackMessage;
    d.hIcon = parts_.image1Icon;
    d.szInfo = kBalloonText;
    d.uTimeout = 0;
    d.szInfoTitle = kBalloonTitle;
    d.dwInfoFlags = NIIF_INFO;
}

void MainMsgWindow::Form_Unload() {
    // Closing twice (exit, then the window's own close) must not remove the icon or
    // unlink the procedure a second time.
    if (trayIconAdded_) {
        trayIconAdded_ = false;
        parts_.tray.Shell_NotifyIcon(NIM_DELETE, trayIconData_);
    }
    if (windowProcInstalled_) {
        windowProcInstalled_ = false;
        parts_.form.RestoreWindowProc(oldWindowProc_);
    }
}

std::int32_t MainMsgWindow::WindowProc(std::int32_t message, std::int32_t previousResult) {
    if (message == WM_NCHITTEST && previousResult == HTCLIENT) {
        return HTCAPTION;
    }
    return previousResult;
}

void MainMsgWindow::Form_MouseMove(std::int16_t Button, std::int16_t, float, float) {
    // Showing or hiding from the tray never reports a failure.
    if (Button == kLeftButton || Button == kRightButton) {
        ShowOrHideStrip(parts_.form, Button == kLeftButton);
    }
}

std::int16_t MainMsgWindow::TrayButtonFor(MessageNumber mouseMessage) {
    switch (mouseMessage) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
        return kLeftButton;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
        return kRightButton;
    default:
        return 0;
    }
}

std::int16_t MainMsgWindow::ButtonFromMouseKeys(WParam keys) {
    if ((keys & MK_LBUTTON) != 0) {
        return kLeftButton;
    }
    return (keys & MK_RBUTTON) != 0 ? kRightButton : 0;
}

void MainMsgWindow::cmd_top_Click() {
    CaptionedButton& pin = parts_.cmd_top;
    if (CaptionNumber(pin.Caption()) == 5) {
        parts_.form.SetWindowPos(HWND_NOTOPMOST, kNoMoveNoSize);
        pin.SetCaption(std::u16string(kUnpinnedCaption));
        pin.SetToolTipText(std::u16string(kPinToolTip));
        parts_.form.Hide();
    } else {
        parts_.form.SetWindowPos(HWND_TOPMOST, kNoMoveNoSize);
        pin.SetCaption(std::u16string(kPinnedCaption));
        pin.SetToolTipText(std::u16string(kUnpinToolTip));
    }
}

void MainMsgWindow::cmd_tolva_Click() {
    parts_.shell.ShellExecute(parts_.form.hWnd(), u"open", parts_.makerWebPage, u"", u"", SW_SHOW);
}

void MainMsgWindow::cmd_exit_Click() {
    parts_.form.Unload();
}

double CaptionNumber(std::u16string_view caption) {
    std::size_t i = 0;
    while (i < caption.size() && (caption[i] == u' ' || caption[i] == u'\t')) {
        ++i;
    }
    double sign = 1;
    if (i < caption.size() && (caption[i] == u'+' || caption[i] == u'-')) {
        sign = caption[i] == u'-' ? -1 : 1;
        ++i;
    }
    double value = 0;
    for (; i < caption.size() && caption[i] >= u'0' && caption[i] <= u'9'; ++i) {
        value = value * 10 + (caption[i] - u'0');
    }
    return sign * value;
}

} // namespace lumio
