#include "button/render/access_keys.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

TEST(AccessKeys, MarkersAndEscapes) {
    struct Case {
        std::u16string caption;
        std::u16string keys;
    };
    const Case cases[] = {
        {u"&Open", u"o"},
        {u"Save && Exit", u""},
        {u"A&&B &Close", u"c"},
        {u"ab&&c", u""},
        {u"x&", u""},
        {u"&", u""},
        {u"", u""},
        {u"&&", u""},
        {u"&&&", u""},
        {u"&&&x", u"x"},
        {u"&& &x", u"x"},
        {u"a&&b&&c&d", u""},
        {u"Plain", u""},
        {u"Fi&le", u"l"},
        {u"&1", u"1"},
        {u"&\u00C9t\u00E9", u"\u00E9"},
        {u"&\u0416", u"\u0436"},
        {u"&&&&x", u""},
        {u"&x&y", u"x"},
        {u"&&x&", u""},
        {u"&&x&Y", u"y"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(AccessKeySetOf(c.caption), c.keys)
            << std::string(c.caption.begin(), c.caption.end());
    }
}

TEST(AccessKeys, LowerCaseLeavesOtherUnitsAlone) {
    EXPECT_EQ(LowerCaseUnit(u'Q'), u'q');
    EXPECT_EQ(LowerCaseUnit(u'q'), u'q');
    EXPECT_EQ(LowerCaseUnit(u'@'), u'@');
    EXPECT_EQ(LowerCaseUnit(u'['), u'[');
    EXPECT_EQ(LowerCaseUnit(u'\u00D7'), u'\u00D7'); // the multiplication sign is no letter
    EXPECT_EQ(LowerCaseUnit(u'\u6253'), u'\u6253');
    EXPECT_EQ(LowerCaseUnit(u'\u0401'), u'\u0451');
}

} // namespace
} // namespace lumio
