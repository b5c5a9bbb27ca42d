#include "win32/win_tool_tips.h"

#include <gtest/gtest.h>
#include <string>

namespace lumio {
namespace {

// A window, a control and a tip control for the control's tool, as the reader window has
// them; message-only windows, as the tests run without a display.
class WinToolTipsTest : public ::testing::Test {
protected:
    void SetUp() override {
        const HINSTANCE instance = ::GetModuleHandleW(nullptr);
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_BAR_CLASSES | ICC_TAB_CLASSES};
        ::InitCommonControlsEx(&controls);
        owner_ = ::CreateWindowExW(0, L"STATIC", L"owner", 0, 0, 0, 200, 50, HWND_MESSAGE, nullptr,
                                   instance, nullptr);
        ASSERT_NE(owner_, nullptr);
        control_ = ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 20, 20, HWND_MESSAGE, nullptr,
                                     instance, nullptr);
        ASSERT_NE(control_, nullptr);
        tips_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  HWND_MESSAGE, nullptr, instance, nullptr);
        ASSERT_NE(tips_, nullptr);
    }
    void TearDown() override {
        ::DestroyWindow(tips_);
        ::DestroyWindow(control_);
        ::DestroyWindow(owner_);
    }
    std::u16string Tip() const { return ToolTipText(tips_, owner_, control_); }

    HWND owner_ = nullptr;
    HWND control_ = nullptr;
    HWND tips_ = nullptr;
};

TEST_F(WinToolTipsTest, EachNewTipReplacesTheOldOneWhateverTheirLengths) {
    AddToolTip(tips_, owner_, control_, u"置顶");
    ASSERT_EQ(Tip(), u"置顶");
    // The pin's tips in turn, longer and shorter than the one before, then a tip far
    // longer than the next, which must not be copied into the next one's room.
    const std::u16string tips[] = {
        u"置顶窗体", u"取消置顶窗体", u"置顶窗体", u"取消置顶窗体", std::u16string(40, u'x'), u"ab",
        u"",         u"back"};
    for (const std::u16string& tip : tips) {
        SetToolTip(tips_, owner_, control_, tip);
        EXPECT_EQ(Tip(), tip);
    }
}

TEST_F(WinToolTipsTest, AControlWithoutATipGetsOneAndNoTipControlIsHarmless) {
    EXPECT_EQ(Tip(), u"");
    AddToolTip(tips_, owner_, control_, u""); // an empty text adds no tool
    EXPECT_EQ(Tip(), u"");
    SetToolTip(tips_, owner_, control_, u"取消置顶窗体");
    EXPECT_EQ(Tip(), u"取消置顶窗体");
    SetToolTip(nullptr, owner_, control_, u"x");
    AddToolTip(nullptr, owner_, control_, u"x");
    EXPECT_EQ(ToolTipText(nullptr, owner_, control_), u"");
    EXPECT_EQ(Tip(), u"取消置顶窗体");
}

} // namespace
} // namespace lumio
