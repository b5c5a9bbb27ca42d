// The word the user gets, once, where the desktop has no notification area.
#include "platform/utf.h"
#include "reader/missing_tray_notice.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lumio {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class Told : public Notice {
public:
    void Tell(std::u16string_view text, std::u16string_view title) override {
        said.push_back(ToUtf8(title) + "|" + ToUtf8(text));
    }
    std::vector<std::string> said;
};

constexpr HotKey kCtrlAltH{MOD_CONTROL | MOD_ALT, 'H'};

TEST(MissingTrayNotice, SaysWhatBringsTheStripBack) {
    struct Case {
        std::optional<HotKey> key;
        bool secondStart;
        const char* text;
    };
    const Case cases[] = {
        {kCtrlAltH, true,
         "没有找到通知区域（托盘），阅读条隐藏后不能从托盘图标找回。按老板键 Ctrl+Alt+H "
         "显示或隐藏阅读条，再次启动 Lumio 也会显示它。"},
        {HotKey{MOD_WIN, 'B'}, false,
         "没有找到通知区域（托盘），阅读条隐藏后不能从托盘图标找回。按老板键 Win+B "
         "显示或隐藏阅读条。"},
        {std::nullopt, true,
         "没有找到通知区域（托盘），阅读条隐藏后不能从托盘图标找回。再次启动 Lumio "
         "即可显示阅读条。"},
        {std::nullopt, false,
         "没有找到通知区域（托盘），阅读条隐藏后不能从托盘图标找回。本次运行没有老板键，"
         "阅读条隐藏后只能结束程序。"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ToUtf8(MissingTrayNotice::Text(c.key, c.secondStart)), c.text);
    }
}

TEST(MissingTrayNotice, TellsOnceAndOnlyWithoutATray) {
    Told told;
    MissingTrayNotice notice(told);
    EXPECT_FALSE(notice.Check(true, kCtrlAltH, true));
    EXPECT_THAT(told.said, IsEmpty()) << "a tray: the balloon says it";
    EXPECT_TRUE(notice.Check(false, kCtrlAltH, true));
    EXPECT_FALSE(notice.Check(false, kCtrlAltH, true));
    EXPECT_FALSE(notice.Check(true, kCtrlAltH, true));
    EXPECT_FALSE(notice.Check(false, std::nullopt, false));
    ASSERT_THAT(told.said,
                ElementsAre(::testing::StartsWith("Tolva电子文档阅读器|没有找到通知区域")));
    EXPECT_NE(told.said[0].find("Ctrl+Alt+H"), std::string::npos);
}

} // namespace
} // namespace lumio
