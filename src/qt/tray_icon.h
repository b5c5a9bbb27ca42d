#pragma once

#include "reader/tray_icon_data.h"

#include <QIcon>
#include <QSystemTrayIcon>
#include <functional>
#include <map>
#include <memory>

namespace lumio {

// The notification area over QSystemTrayIcon. An added icon shows the record's icon,
// its hover tip only with NIF_TIP, and its balloon once with NIF_INFO. Mouse activity
// over the icon comes back to the record's window as the callback message with the
// button the platform would report: 1 for the left button, 2 for the right one.
class TrayIcons : public NotifyArea {
public:
    // Icons by handle, as the record names them.
    using IconLookup = std::function<QIcon(IconHandle)>;
    // (window, callback message, button)
    using Callback = std::function<void(WindowHandle, std::uint32_t, std::int16_t)>;

    TrayIcons(IconLookup icons, Callback callback);
    ~TrayIcons() override;

    bool Shell_NotifyIcon(std::int32_t message, const TrayIconData& data) override;

    // The platform's button value for a Qt activation reason (0 for none).
    static std::int16_t ButtonFor(QSystemTrayIcon::ActivationReason reason);

    // The icon added for (window, id), or null.
    QSystemTrayIcon* Find(WindowHandle window, std::uint32_t id) const;
    std::size_t size() const { return icons_.size(); }

    // How long a balloon stays: the record's time within the platform's limits.
    static int BalloonMilliseconds(std::uint32_t timeout);

private:
    IconLookup lookup_;
    Callback callback_;
    std::map<std::pair<WindowHandle, std::uint32_t>, std::unique_ptr<QSystemTrayIcon>> icons_;
};

} // namespace lumio
