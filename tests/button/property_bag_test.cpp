#include "button/property_bag.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

PropertyBag ParseOk(std::string_view text) {
    return PropertyBag::Parse(text, "btn");
}

TEST(PropertyValue, EveryKindFormatsAndParsesBack) {
    EmbeddedPicture bitmap;
    bitmap.width = 2;
    bitmap.height = 1;
    bitmap.pixels = {0xFF102030u, 0x00FFFFFFu};
    EmbeddedPicture icon = bitmap;
    icon.kind = EmbeddedPicture::Kind::Icon;
    icon.mask = {0, 1};
    FontAttributes font{u"\u5FAE\u8F6F\u96C5\u9ED1", 7.5, 700, 134, true, false, true};

    const PropertyValue values[] = {
        true,
        false,
        std::int64_t{0},
        std::int64_t{-32768},
        std::int64_t{9223372036854775807},
        std::u16string(u""),
        std::u16string(u"Tolva\u7535\u5B50  \"q\" \\ \n\r\t\x01\x7f end"),
        std::u16string(u"lone \xD800 and \xDC00 surrogates, pair \xD83D\xDE00"),
        ColorValue{0x00C000u},
        ColorValue{0x00FFD1ADu},
        ColorValue{0x8000000Fu},
        ColorValue{0xFFFFFFFFu},
        ColorValue{0x01020304u},
        font,
        FontAttributes{},
        PictureValue{},
        PictureValue{PictureFile{"icons/play \"1\".png"}},
        PictureValue{bitmap},
        PictureValue{icon},
    };
    for (const auto& v : values) {
        const std::string text = FormatValue(v);
        EXPECT_EQ(ParseValue(text), v) << text;
        EXPECT_EQ(FormatValue(ParseValue(text)), text);
    }
}

TEST(PropertyValue, ColoursAreWrittenRedFirst) {
    EXPECT_EQ(FormatValue(ColorValue{0x00FFD1ADu}), "#ADD1FF");
    EXPECT_EQ(std::get<ColorValue>(ParseValue("#ADD1FF")).ole, 0x00FFD1ADu);
    EXPECT_EQ(FormatValue(ColorValue{0x80000012u}), "sys:18");
    EXPECT_EQ(std::get<ColorValue>(ParseValue("ole:8000000F")).ole, 0x8000000Fu);
}

TEST(PropertyValue, MalformedValuesAreRejected) {
    const char* bad[] = {
        "",
        "\"open",
        "\"bad \\q escape\"",
        "\"short \\u12\"",
        "\"trailing backslash \\",
        "#12345",
        "#GGGGGG",
        "sys:16777216",
        "ole:123",
        "99999999999999999999",
        "12abc",
        "Tru",
        "True False",
        "Font(Name = \"A\", Size = 0)",
        "Font(Name = \"A\", Size = nan)",
        "Font(Name = \"A\", Weight = 70000)",
        "Font(Name = \"A\", Charset = 300)",
        "Font(Colour = 1)",
        "Font(Name = \"A\", Name = \"B\")",
        "Font(Name = \"A\"",
        "Font(Italic = Maybe)",
        "Bitmap(1, 1, \"AAA\")",
        "Bitmap(1, 1, \"AAAA\")",
        "Bitmap(-1, 1, \"\")",
        "Bitmap(1, -1, \"AAAAAA==\")",
        "Icon(1, 1, \"AAAAAA==\")",
        "Icon(1, 1, \"AAAAAA==\", \"Ag==\")",
        "File(\"a\"",
        "File(a)",
        "@",
        "\"\xff\xfe\"",
    };
    for (const char* text : bad) {
        EXPECT_THROW(ParseValue(text), ValueSyntaxError) << text;
    }
}

TEST(PropertyBag, KeysIgnoreCaseAndKeepTheirOrder) {
    const auto bag =
        ParseOk("# comment\n\nButtonStyle = 6\r\n  pictureSize=2  \nUseMaskCOlor = True\n");
    EXPECT_EQ(bag.ReadInt32("buttonstyle", 1), 6);
    EXPECT_EQ(bag.ReadInt32("PictureSize", 0), 2);
    EXPECT_TRUE(bag.ReadBoolean("USEMASKCOLOR", false));
    EXPECT_EQ(bag.ReadInt32("CaptionAlign", 1), 1);
    ASSERT_EQ(bag.entries().size(), 3u);
    EXPECT_EQ(bag.entries()[1].line, 4);
    EXPECT_EQ(bag.Serialize(), "ButtonStyle = 6\npictureSize = 2\nUseMaskCOlor = True\n");
}

TEST(PropertyBag, WritingLeavesDefaultsOut) {
    PropertyBag bag("b");
    bag.WriteInt32("ButtonStyle", 1, 1);
    bag.WriteInt32("ButtonStyle", 0, 1);
    bag.WriteString("Caption", u"qxbutton", u"qxbutton");
    bag.WriteBoolean("Value", true, false);
    bag.WriteColor("BackColor", 0x8000000Fu, 0x00D8E9ECu);
    EXPECT_EQ(bag.Serialize(), "ButtonStyle = 0\nValue = True\nBackColor = sys:15\n");
    bag.WriteBoolean("value", false, false); // back to the default: the entry goes
    bag.WriteInt32("buttonstyle", 7, 1);     // replaced in place, new spelling kept
    EXPECT_EQ(bag.Serialize(), "buttonstyle = 7\nBackColor = sys:15\n");
}

TEST(PropertyBag, ErrorsNameControlKeyAndLine) {
    struct Case {
        std::string text;
        std::string key;
        int line;
    };
    const Case cases[] = {
        {"A = 1\nCaption = \"open\n", "Caption", 2},
        {"A = 1\n\nCaption = \"\\x\"\n", "Caption", 3},
        {"just text\n", "just", 1},
        {"9Key = 1\n", "9Key", 1},
        {"Key = \n", "Key", 1},
        {"Key = 1\nkey = 2\n", "key", 2},
        {"BackColor = #ADD1F", "BackColor", 1},
    };
    for (const auto& c : cases) {
        try {
            PropertyBag::Parse(c.text, "mstart", 10);
            ADD_FAILURE() << c.text;
        } catch (const PropertySetError& e) {
            EXPECT_EQ(e.control(), "mstart");
            EXPECT_EQ(e.key(), c.key) << c.text;
            EXPECT_EQ(e.line(), 9 + c.line) << c.text;
            EXPECT_EQ(e.number(), ErrorNumber::InvalidPropertyValue);
            EXPECT_NE(std::string(e.what()).find("mstart"), std::string::npos);
            EXPECT_NE(std::string(e.what()).find(c.key), std::string::npos);
        }
    }
}

TEST(PropertyBag, TypedReadsRejectWrongTypesAndRanges) {
    const auto bag = ParseOk("Style = \"six\"\nBig = 2147483648\nSmall = -32769\nFlag = 1\n"
                             "Colour = 255\nFace = True\nPic = 3\nText = #FFFFFF\n");
    auto expectError = [&](auto read, const char* key) {
        try {
            read();
            ADD_FAILURE() << key;
        } catch (const PropertySetError& e) {
            EXPECT_EQ(e.key(), key);
            EXPECT_GT(e.line(), 0);
        }
    };
    expectError([&] { bag.ReadInt32("Style", 1); }, "Style");
    expectError([&] { bag.ReadInt32("Big", 1); }, "Big");
    expectError([&] { bag.ReadInt16("Small", 0); }, "Small");
    expectError([&] { bag.ReadBoolean("Flag", false); }, "Flag");
    expectError([&] { bag.ReadColor("Colour", 0); }, "Colour");
    expectError([&] { bag.ReadFont("Face", {}); }, "Face");
    expectError([&] { bag.ReadPicture("Pic"); }, "Pic");
    expectError([&] { bag.ReadString("Text", u""); }, "Text");
    EXPECT_EQ(bag.ReadInt32("Absent", 42), 42);
}

} // namespace
} // namespace lumio
