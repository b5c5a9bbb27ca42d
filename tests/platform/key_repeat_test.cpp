#include "platform/key_repeat.h"

#include <gtest/gtest.h>
#include <string>

namespace lumio {
namespace {

// Events as "p100" (press at 100) and "r100" (release); the answer of each press, in order.
std::string FreshPresses(std::initializer_list<const char*> events) {
    KeyRepeatFilter filter;
    std::string answers;
    for (const char* e : events) {
        const auto time = static_cast<std::uint32_t>(std::stoul(e + 1));
        if (e[0] == 'p') {
            answers += filter.Press(time) ? 'F' : 'r';
        } else {
            filter.Release(time);
        }
    }
    return answers;
}

TEST(KeyRepeatFilter, TellsHoldsFromRepeats) {
    // Separate taps.
    EXPECT_EQ(FreshPresses({"p10", "r60", "p400", "r450"}), "FF");
    // Held with detectable auto-repeat: presses only, then one release.
    EXPECT_EQ(FreshPresses({"p10", "p670", "p710", "r720", "p900"}), "FrrF");
    // Held without it: each repeat is a release and a press at the same time.
    EXPECT_EQ(FreshPresses({"p10", "r670", "p670", "r710", "p710", "r730", "p900"}), "FrrF");
    // A release then a press a moment later is a new press.
    EXPECT_EQ(FreshPresses({"p10", "r670", "p671"}), "FF");
    // A release with no press seen first (the grab began mid-hold) does no harm.
    EXPECT_EQ(FreshPresses({"r5", "p6", "r7", "p7"}), "Fr");
    // Time stamps wrap around.
    EXPECT_EQ(FreshPresses({"p4294967290", "r4294967295", "p3"}), "FF");
}

} // namespace
} // namespace lumio
