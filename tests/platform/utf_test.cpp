#include "platform/utf.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

TEST(UtfTest, Utf16ToUtf8) {
    const std::pair<std::u16string, std::string> cases[] = {
        {u"abc", "abc"},
        {u"中文\u3000", "\xe4\xb8\xad\xe6\x96\x87\xe3\x80\x80"},
        {u"\u00D7", "\xc3\x97"},
        {u"\U0001F600", "\xf0\x9f\x98\x80"},
        {u"a\xD800"
         u"b",
         "a\xef\xbf\xbd"
         "b"},
        {u"\xDC00", "\xef\xbf\xbd"},
        {std::u16string(u"\0", 1), std::string("\0", 1)},
    };
    for (const auto& [utf16, utf8] : cases) {
        EXPECT_EQ(ToUtf8(utf16), utf8);
    }
}

TEST(UtfTest, Utf8ToUtf16ReplacesEachBadByte) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"abc", u"abc"},
        {"\xe4\xb8\xad", u"中"},
        {"\xf0\x9f\x98\x80", u"\U0001F600"},
        {"\xc0\x80", u"\uFFFD\uFFFD"},           // overlong
        {"\xed\xa0\x80", u"\uFFFD\uFFFD\uFFFD"}, // a surrogate
        {"\xe4\xb8", u"\uFFFD\uFFFD"},           // cut off
        {"a\xff"
         "b",
         u"a\uFFFDb"},
    };
    for (const auto& [utf8, utf16] : cases) {
        EXPECT_EQ(FromUtf8(utf8), utf16);
    }
}

TEST(UtfTest, NativePathsSurviveTheRoundTrip) {
    for (const std::string native : {"/tmp/a.txt", "/tmp/\xe4\xb8\xad.txt", "/tmp/\xd6\xd0.txt",
                                     "\xff\xfe", "/x/\xe4\xb8.txt"}) {
        EXPECT_EQ(PathToNative(PathFromNative(native)), native);
    }
    EXPECT_EQ(PathFromNative("/tmp/\xd6\xd0.txt"), u"/tmp/\xDCD6\xDCD0.txt");
    EXPECT_EQ(PathFromNative("/\xe4\xb8\xad.txt"), u"/中.txt");
}

} // namespace
} // namespace lumio
