#include "platform/base64.h"
#include "platform/utf.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

TEST(Utf, RoundTripsWellFormedTextAndRejectsTheRest) {
    const std::u16string text = u"A\u00D7\u5FAE\xD83D\xDE00";
    EXPECT_EQ(ToUtf8(text), "A\xC3\x97\xE5\xBE\xAE\xF0\x9F\x98\x80");
    EXPECT_EQ(FromUtf8Strict(ToUtf8(text)), text);
    EXPECT_EQ(ToUtf8(u"\xD800x"), "\xEF\xBF\xBDx");
    for (const char* bad : {"\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                            "\xE5\xBE", "\x80", "\xFF"}) {
        EXPECT_FALSE(FromUtf8Strict(bad).has_value()) << bad;
    }
    EXPECT_EQ(FromUtf8("a\xFF"
                       "b"),
              u"a\uFFFDb");
}

TEST(Base64, EncodesAndDecodesCanonically) {
    const std::vector<std::uint8_t> bytes = {0, 1, 2, 0xFE, 0xFF};
    for (std::size_t n = 0; n <= bytes.size(); ++n) {
        const std::vector<std::uint8_t> part(bytes.begin(), bytes.begin() + n);
        EXPECT_EQ(base64::Decode(base64::Encode(part)), part) << n;
    }
    EXPECT_EQ(base64::Encode({'M', 'a'}), "TWE=");
    for (const char* bad : {"TWE", "TW=E", "TWF=", "T===", "TW E", "====",
                            "TQ=="
                            "AA"}) {
        EXPECT_FALSE(base64::Decode(bad).has_value()) << bad;
    }
}

} // namespace
} // namespace lumio
