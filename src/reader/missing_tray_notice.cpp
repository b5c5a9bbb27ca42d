#include "reader/missing_tray_notice.h"

#include "reader/main_msg_window.h"

namespace lumio {

bool MissingTrayNotice::Check(bool trayPresent, const std::optional<HotKey>& bossKey,
                              bool secondStartShows) {
    if (trayPresent || told_) {
        return false;
    }
    told_ = true;
    notice_.Tell(Text(bossKey, secondStartShows), MainMsgWindow::kBalloonTitle);
    return true;
}

std::u16string MissingTrayNotice::Text(const std::optional<HotKey>& bossKey,
                                       bool secondStartShows) {
    std::u16string text = u"没有找到通知区域（托盘），阅读条隐藏后不能从托盘图标找回。";
    if (bossKey) {
        const std::string name = HotKeyName(*bossKey); // ASCII only
        text += u"按老板键 " + std::u16string(name.begin(), name.end()) + u" 显示或隐藏阅读条";
        text += secondStartShows ? u"，再次启动 Lumio 也会显示它。" : u"。";
    } else if (secondStartShows) {
        text += u"再次启动 Lumio 即可显示阅读条。";
    } else {
        text += u"本次运行没有老板键，阅读条隐藏后只能结束程序。";
    }
    return text;
}

} // namespace lumio
