#include "qt/tray_icon.h"

#include "qt/qt_strings.h"

#include <algorithm>

namespace lumio {

namespace {

// A balloon stays at least 10 and at most 30 seconds; 0 asks for the shortest.
constexpr std::uint32_t kShortestBalloon = 10000;
constexpr std::uint32_t kLongestBalloon = 30000;

QSystemTrayIcon::MessageIcon BalloonIcon(std::uint32_t infoFlags) {
    switch (infoFlags & 0x3) {
    case 1:
        return QSystemTrayIcon::Information;
    case 2:
        return QSystemTrayIcon::Warning;
    case 3:
        return QSystemTrayIcon::Critical;
    default:
        return QSystemTrayIcon::NoIcon;
    }
}

} // namespace

TrayIcons::TrayIcons(IconLookup icons, Callback callback)
    : lookup_(std::move(icons)), callback_(std::move(callback)) {}

TrayIcons::~TrayIcons() = default;

int TrayIcons::BalloonMilliseconds(std::uint32_t timeout) {
    return static_cast<int>(std::clamp(timeout, kShortestBalloon, kLongestBalloon));
}

std::int16_t TrayIcons::ButtonFor(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
    case QSystemTrayIcon::DoubleClick:
        return 1;
    case QSystemTrayIcon::Context:
        return 2;
    case QSystemTrayIcon::MiddleClick:
        return 4;
    default:
        return 0;
    }
}

QSystemTrayIcon* TrayIcons::Find(WindowHandle window, std::uint32_t id) const {
    const auto it = icons_.find({window, id});
    return it == icons_.end() ? nullptr : it->second.get();
}

bool TrayIcons::Shell_NotifyIcon(std::int32_t message, const TrayIconData& data) {
    const auto key = std::make_pair(data.hWnd, data.uID);
    if (message == NIM_DELETE) {
        const auto it = icons_.find(key);
        if (it == icons_.end()) {
            return false;
        }
        it->second->hide();
        icons_.erase(it);
        return true;
    }
    if (message != NIM_ADD || icons_.count(key) != 0) {
        return false;
    }
    // Made even when no tray host runs yet: Qt embeds the icon once one appears.
    auto icon = std::make_unique<QSystemTrayIcon>();
    if ((data.uFlags & NIF_ICON) != 0 && lookup_) {
        icon->setIcon(lookup_(data.hIcon));
    }
    if ((data.uFlags & NIF_TIP) != 0) {
        icon->setToolTip(ToQString(data.szTip));
    }
    if ((data.uFlags & NIF_MESSAGE) != 0) {
        const WindowHandle window = data.hWnd;
        const std::uint32_t callbackMessage = data.uCallbackMessage;
        QObject::connect(icon.get(), &QSystemTrayIcon::activated,
                         [this, window, callbackMessage](QSystemTrayIcon::ActivationReason r) {
                             const std::int16_t button = ButtonFor(r);
                             if (button != 0 && callback_) {
                                 callback_(window, callbackMessage, button);
                             }
                         });
    }
    icon->show();
    if ((data.uFlags & NIF_INFO) != 0 && !data.szInfo.empty()) {
        icon->showMessage(ToQString(data.szInfoTitle), ToQString(data.szInfo),
                          BalloonIcon(data.dwInfoFlags), BalloonMilliseconds(data.uTimeout));
    }
    icons_.emplace(key, std::move(icon));
    return true;
}

} // namespace lumio
