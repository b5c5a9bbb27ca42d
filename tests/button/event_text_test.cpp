#include "button/event_text.h"
#include "button/support/test_host.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace lumio {
namespace {

TEST(EventText, FloatsPrintInTheShortestFormThatReadsBack) {
    struct Row {
        float value;
        const char* text;
    };
    for (const Row& r : {Row{5, "5"}, Row{2.5f, "2.5"}, Row{0.001f, "0.001"},
                         Row{-0.125f, "-0.125"}, Row{220.0f / 15.0f, "14.666667"},
                         Row{74.9f, "74.9"}, Row{1e20f, "1e+20"}, Row{-0.0f, "-0"}}) {
        EXPECT_EQ(ShortestFloat(r.value), r.text);
        EXPECT_EQ(std::stof(ShortestFloat(r.value)), r.value) << r.text;
    }
}

TEST(EventText, EveryEventIsDescribedWithItsArgumentsAsPassed) {
    testing::NewButton b;
    std::vector<std::string> seen;
    DescribeEvents(b.button.events, [&](std::string e) { seen.push_back(std::move(e)); });
    QxButtonEvents copy = b.button.events; // the callbacks survive a copy
    std::int16_t one = 1, shift = 6, key = 32, ascii = 103;
    float x = 2.5f, y = -0.125f;
    copy.Click();
    copy.DblClick();
    copy.MouseEnter();
    copy.MouseLeave();
    copy.MouseMove(one, shift, x, y);
    copy.MouseUp(one, shift, x, y);
    copy.MouseDown(one, shift, x, y);
    copy.KeyDown(key, shift);
    copy.KeyUp(key, shift);
    copy.KeyPress(ascii);
    EXPECT_EQ(seen,
              (std::vector<std::string>{"Click", "DblClick", "MouseEnter", "MouseLeave",
                                        "MouseMove(1,6,2.5,-0.125)", "MouseUp(1,6,2.5,-0.125)",
                                        "MouseDown(1,6,2.5,-0.125)", "KeyDown(32,6)", "KeyUp(32,6)",
                                        "KeyPress(103)"}));
}

} // namespace
} // namespace lumio
