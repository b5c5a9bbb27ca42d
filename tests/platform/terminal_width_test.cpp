#include "platform/terminal_width.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

TEST(TerminalWidthTest, ColumnsPerCharacter) {
    const std::pair<char32_t, int> cases[] = {
        {U'a', 1},      {U' ', 1},      {U'\u00D7', 1},     {U'中', 2},     {U'\u3000', 2},
        {U'，', 2},     {U'\uFF01', 2}, {U'\uFFFD', 1},     {U'\u0301', 0}, {U'\uAC00', 2},
        {U'\u4DBF', 2}, {U'\uA4D0', 1}, {U'\U00020000', 2},
    };
    for (const auto& [c, width] : cases) {
        EXPECT_EQ(TerminalWidth(c), width) << static_cast<std::uint32_t>(c);
    }
}

TEST(TerminalWidthTest, TailThatFits) {
    struct Case {
        std::u16string text;
        int columns;
        std::size_t units;
    };
    const Case cases[] = {
        {u"abc中文", 4, 2},     {u"abc中文", 5, 3},     {u"abc中文", 3, 1},
        {u"中文", 1, 0},        {u"abc", 10, 3},        {u"", 5, 0},
        {u"a\U0001F600", 2, 2}, {u"a\U0001F600", 1, 0}, {u"e\u0301", 1, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TailFittingColumns(c.text, c.columns), c.units) << c.columns;
    }
}

} // namespace
} // namespace lumio
