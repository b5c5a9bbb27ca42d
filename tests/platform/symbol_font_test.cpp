#include "platform/symbol_font.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

TEST(SymbolFont, TheFiveCaptionsHavePicturesInsideTheirCell) {
    for (const char16_t c : {u'4', u';', u'<', u'5', u'6'}) {
        const auto picture = SymbolPicture(c);
        ASSERT_FALSE(picture.empty()) << static_cast<int>(c);
        for (const auto& polygon : picture) {
            EXPECT_GE(polygon.size(), 3u);
            for (const EmPoint p : polygon) {
                EXPECT_GT(p.x, 0);
                EXPECT_LT(p.x, 1);
                EXPECT_GT(p.y, 0);
                EXPECT_LT(p.y, 1);
            }
        }
    }
    EXPECT_EQ(SymbolPicture(u';').size(), 2u); // pause: two bars
    EXPECT_TRUE(SymbolPicture(u'x').empty());
    EXPECT_TRUE(SymbolPicture(u'7').empty());
}

TEST(SymbolFont, RolesAndSizes) {
    EXPECT_TRUE(IsSymbolFont({u"Webdings", 12, 700, 2}));
    EXPECT_FALSE(IsSymbolFont({u"webdings", 12, 700, 2})); // the form's exact name only
    EXPECT_EQ(PixelSizeFor(12), 16);
    EXPECT_EQ(PixelSizeFor(7.5), 10);
    EXPECT_EQ(PixelSizeFor(21.75), 29);
    EXPECT_EQ(PixelSizeFor(0.1), 1); // never nothing
    EXPECT_EQ(SymbolEmPixels({u"Webdings", 12, 700, 2}), 16);
    EXPECT_EQ(DesignSpaceEm({u"微软雅黑", 10.5, 700, 134}), 0.3);
    EXPECT_EQ(DesignSpaceEm({u"Tahoma", 8.25, 400, 0}), 0);
}

} // namespace
} // namespace lumio
