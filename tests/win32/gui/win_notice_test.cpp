#include "win32/win_hot_keys.h"

#include <gtest/gtest.h>
#include <string>
#include <system_error>
#include <vector>

namespace lumio {
namespace {

struct Shown {
    std::wstring text;
    std::wstring title;
};

TEST(WinNotice, TheBoxRunsOnAThreadOfItsOwnOrWhereItWasAskedWhenNoneCanStart) {
    for (const bool threadStarts : {true, false}) {
        std::vector<Shown> shown;
        int started = 0;
        WinNotice notice(
            [&](WinNotice::Job job) {
                if (!threadStarts) {
                    throw std::system_error(
                        std::make_error_code(std::errc::resource_unavailable_try_again));
                }
                ++started;
                job(); // the thread's work, here at once
            },
            [&](const std::wstring& text, const std::wstring& title) {
                shown.push_back({text, title});
            });
        ASSERT_NO_THROW(notice.Tell(u"老板键 Ctrl+Alt+H 无法启用", u"Tolva电子文档阅读器"));
        EXPECT_EQ(started, threadStarts ? 1 : 0);
        ASSERT_EQ(shown.size(), 1u) << "thread starts " << threadStarts;
        EXPECT_EQ(shown[0].text, L"老板键 Ctrl+Alt+H 无法启用");
        EXPECT_EQ(shown[0].title, L"Tolva电子文档阅读器");
    }
}

} // namespace
} // namespace lumio
