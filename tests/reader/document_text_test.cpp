#include "reader/document_text.h"

#include <gtest/gtest.h>

namespace lumio {
namespace {

struct LineCase {
    const char* name;
    std::u16string file;
    std::u16string document;
};

const LineCase kCases[] = {
    {"blank lines dropped, ends trimmed", u"  Hello  \r\n\r\n   \r\nWorld", u"Hello  World  "},
    {"CR alone ends a line", u"a\rb\r", u"a  b  "},
    {"LF alone is text", u"a\nb\n", u"a\nb\n  "},
    {"CR LF then LF", u"a\r\n\nb", u"a  \nb  "},
    {"CR CR is an empty line between", u"a\r\rb", u"a  b  "},
    {"ideographic spaces trimmed with spaces", u"\u3000\u3000 text \u3000\r\n", u"text  "},
    {"inner spaces stay", u"a  \u3000 b", u"a  \u3000 b  "},
    {"tabs stay", u"\tx\t\r\n", u"\tx\t  "},
    {"blank only", u"   \r\n\u3000\r\n \u3000 ", u""},
    {"empty", u"", u""},
    {"NUL is text", std::u16string(u"a\0b", 3), std::u16string(u"a\0b  ", 5)},
    {"replacement characters are text", u"\uFFFD\r\n", u"\uFFFD  "},
    {"no line end at all", u"  one long line  ", u"one long line  "},
};

std::u16string Build(std::initializer_list<std::u16string_view> pieces) {
    DocumentText text;
    for (const auto piece : pieces) {
        text.Append(piece);
    }
    return text.Finish();
}

TEST(DocumentTextTest, LinesBecomeTrimmedTextWithTwoSpaces) {
    for (const auto& c : kCases) {
        EXPECT_EQ(Build({c.file}), c.document) << c.name;
    }
}

TEST(DocumentTextTest, PiecesCanSplitAnywhere) {
    for (const auto& c : kCases) {
        const std::u16string_view file = c.file;
        for (std::size_t cut = 0; cut <= file.size(); ++cut) {
            EXPECT_EQ(Build({file.substr(0, cut), file.substr(cut)}), c.document)
                << c.name << " cut at " << cut;
        }
        DocumentText oneByOne;
        for (const char16_t ch : file) {
            oneByOne.Append({&ch, 1});
            oneByOne.Append({});
        }
        EXPECT_EQ(oneByOne.Finish(), c.document) << c.name << " one by one";
    }
}

TEST(DocumentTextTest, LongLineIsKeptWhole) {
    const std::u16string line(3'000'000, u'x');
    DocumentText text;
    for (std::size_t i = 0; i < line.size(); i += 4096) {
        text.Append(std::u16string_view(line).substr(i, 4096));
    }
    const std::u16string document = text.Finish();
    ASSERT_EQ(document.size(), line.size() + 2);
    EXPECT_EQ(document.compare(0, line.size(), line), 0);
}

} // namespace
} // namespace lumio
