#include "platform/cp936.h"
#include "platform/utf.h"
#include "reader/chapter_finder.h"
#include "reader/document_text.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lumio::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct HeadingCase {
    std::u16string_view line;
    bool heading;
};

// Heading shapes first, then the near misses that look like them.
constexpr HeadingCase kHeadings[] = {
    {u"第一章", true},
    {u"第一章 少年", true},
    {u"第一章　少年", true}, // ideographic space
    {u"第一章：少年", true},
    {u"第一章少年", true}, // no space before the title
    {u"第十二章 风起", true},
    {u"第一百二十三章 归来", true},
    {u"第一千零一章", true},
    {u"第〇章", true},
    {u"第两百章", true},
    {u"第叁拾章 正式数字", true},
    {u"第1章", true},
    {u"第123章 阿拉伯数字", true},
    {u"第１２章 全角数字", true},
    {u"第三回 宝玉初见", true},
    {u"第五节", true},
    {u"第一卷 少年游", true},
    {u"第二部 归乡", true},
    {u"第十集", true},
    {u"第一卷 第一章 开始", true},
    {u"序章", true},
    {u"序章 梦的开始", true},
    {u"序", true},
    {u"序言", true},
    {u"楔子", true},
    {u"楔子：雪夜", true},
    {u"引子", true},
    {u"前言", true},
    {u"尾声", true},
    {u"尾声 归途", true},
    {u"后记", true},
    {u"终章", true},
    {u"番外", true},
    {u"番外一 小师妹", true},
    {u"番外篇", true},
    {u"番外：后日谈", true},
    {u"完本感言", true},
    // Near misses.
    {u"", false},
    {u"第", false},
    {u"第章", false},                               // no number
    {u"第一", false},                               // no unit
    {u"第一个人走了进来", false},                   // a number, then no unit
    {u"第一回合他就输了", false},                   // 回合 is a round
    {u"第二节课是数学", false},                     // 节课 is a lesson
    {u"第一部分", false},                           // 部分 is a part of something
    {u"第三集团军", false},                         // 集团 is a group
    {u"第一千二百三十四万五千六百七十八章", false}, // more numerals than any book has
    {u"他翻到第三章，读了起来。", false},           // mid-sentence
    {u"　　他翻到第三章", false},
    {u"Chapter 1", false},
    {u"序幕拉开了，众人屏息。", false},
    {u"序列号", false},         // 序 only as the whole line
    {u"后记得那天下午", false}, // 后记 followed by the rest of a sentence
    {u"尾声音渐渐低了", false},
    {u"番外人", false},
    {u"引子弹", false},
    {u"第三章里说的那件事，到了后来才有人明白过来，可是那时候大家都已经老了，再也没有人记得当年的少"
     u"年模样了。",
     false}, // a paragraph, however it begins
};

TEST(ChapterHeadingTest, HeadingShapesAndNearMisses) {
    for (const HeadingCase& c : kHeadings) {
        EXPECT_EQ(IsChapterHeading(c.line), c.heading) << ToUtf8(c.line);
    }
}

TEST(ChapterHeadingTest, EveryHeadingShapeGetsPastTheFirstCharacterTest) {
    // The finder looks at a line only when its first character may start a heading.
    for (const HeadingCase& c : kHeadings) {
        if (c.heading) {
            ChapterFinder finder;
            finder.LineEnded(c.line, 0);
            EXPECT_EQ(finder.chapters().size(), 1u) << ToUtf8(c.line);
        }
    }
}

TEST(ChapterHeadingTest, LengthLimitIsFiftyUnits) {
    std::u16string line = u"第一章 ";
    line.append(50 - line.size(), u'字');
    EXPECT_TRUE(IsChapterHeading(line));
    line += u'字';
    EXPECT_FALSE(IsChapterHeading(line));
}

// The finder sees the lines where the document text ends them, so positions are where
// the trimmed headings start in the text, two spaces after each line.
std::vector<Chapter> ChaptersOf(std::u16string_view file, std::u16string* text = nullptr) {
    DocumentText document;
    ChapterFinder finder;
    document.FindChapters(&finder);
    document.Append(file);
    std::u16string result = document.Finish();
    if (text != nullptr) {
        *text = result;
    }
    return finder.Take();
}

TEST(ChapterFinderTest, PositionsAreWhereTheTrimmedHeadingsStartInTheText) {
    std::u16string text;
    const std::vector<Chapter> chapters = ChaptersOf(
        u"书名\r\n  序章  \r\n正文一\r\n\r\n　　第一章 少年　\r\n他翻到第三章\r\n第二章\r\n",
        &text);
    EXPECT_EQ(text, u"书名  序章  正文一  第一章 少年  他翻到第三章  第二章  ");
    ASSERT_THAT(chapters, ElementsAre(Chapter{u"序章", 4}, Chapter{u"第一章 少年", 13},
                                      Chapter{u"第二章", 29}));
    for (const Chapter& c : chapters) {
        EXPECT_EQ(text.substr(static_cast<std::size_t>(c.position), c.title.size()), c.title);
    }
}

TEST(ChapterFinderTest, LastLineWithoutLineEndAndLinesSplitAcrossPieces) {
    DocumentText document;
    ChapterFinder finder;
    document.FindChapters(&finder);
    for (std::u16string_view piece : {u"正文\r", u"\n第", u"二章 ", u"标题\r\n尾", u"声"}) {
        document.Append(piece);
    }
    EXPECT_EQ(document.Finish(), u"正文  第二章 标题  尾声  ");
    EXPECT_THAT(finder.Take(), ElementsAre(Chapter{u"第二章 标题", 4}, Chapter{u"尾声", 12}));
}

TEST(ChapterFinderTest, CodePage936LoadFindsTheSameHeadings) {
    DocumentText document;
    ChapterFinder finder;
    document.FindChapters(&finder);
    // 第一章 and 尾声 in GBK, with an LF-only line that stays one line.
    const std::string bytes = "\xB5\xDA\xD2\xBB\xD5\xC2\r\nabc\ndef\r\n\xCE\xB2\xC9\xF9\r\n";
    EXPECT_EQ(document.AppendBytes(Cp936TextDecoder(), bytes, true), bytes.size());
    EXPECT_EQ(document.Finish(), u"第一章  abc\ndef  尾声  ");
    EXPECT_THAT(finder.Take(), ElementsAre(Chapter{u"第一章", 0}, Chapter{u"尾声", 14}));
}

TEST(ChapterFinderTest, NoHeadingsNoChapters) {
    EXPECT_THAT(ChaptersOf(u"只是一段文字。\r\n第一个人说话了。\r\n"), IsEmpty());
    EXPECT_THAT(ChaptersOf(u""), IsEmpty());
}

} // namespace
} // namespace lumio::testing
