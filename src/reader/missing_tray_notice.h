#pragma once

#include "platform/key_names.h"
#include "reader/hot_key_service.h"

#include <optional>
#include <string>

namespace lumio {

// Without a notification area there is no tray icon to bring the strip back once the
// pin or the tray's right button has hidden it, and no balloon to say so: the user is
// told once, in the balloon's place, what else brings it back.
class MissingTrayNotice {
public:
    // How long after start-up the notification area is looked for: a panel that starts
    // with the session, as the program may, gets that long to appear.
    static constexpr int kGraceMs = 3000;

    explicit MissingTrayNotice(Notice& notice) : notice_(notice) {}

    // One look at the desktop. `bossKey`: the boss key the program holds, if any;
    // `secondStartShows`: whether starting the program again shows this strip. Tells
    // the user the first time the area is missing and never again; true when it told.
    bool Check(bool trayPresent, const std::optional<HotKey>& bossKey, bool secondStartShows);

    static std::u16string Text(const std::optional<HotKey>& bossKey, bool secondStartShows);

private:
    Notice& notice_;
    bool told_ = false;
};

} // namespace lumio
