#include "reader/chapter_finder.h"

#include <algorithm>
#include <array>
#include <limits>

namespace lumio {

namespace {

// Headings are short; a line longer than this is a paragraph that happens to begin
// like one ("第三章里他说……").
constexpr std::size_t kMaxHeadingLength = 50;
constexpr std::size_t kMaxNumerals = 12;

constexpr std::u16string_view kOrdinalPrefix = u"第";
constexpr std::u16string_view kChineseNumerals =
    u"〇零一二三四五六七八九十百千万两壹贰叁肆伍陆柒捌玖拾佰仟";

// The unit after the number, and the characters that, right after it, make an ordinary
// word of it instead of a heading (第一回合, 第二节课, 第一部分, 第三集团 ...).
struct Unit {
    char16_t mark;
    std::u16string_view wordsWith;
};
constexpr std::array<Unit, 6> kUnits = {{
    {u'章', u"程"},
    {u'回', u"合"},
    {u'节', u"课日"},
    {u'卷', u""},
    {u'部', u"分门队"},
    {u'集', u"团合中体"},
}};

// Headings of the matter before and after the chapters. `numbered` ones may go on with
// a number or 篇 (番外一, 番外篇); the rest only with a title.
struct MatterHeading {
    std::u16string_view word;
    bool numbered;
    bool alone; // a heading only as the whole line
};
constexpr std::array<MatterHeading, 13> kMatterHeadings = {{
    {u"序章", false, false},
    {u"序言", false, false},
    {u"序幕", false, false},
    {u"序", false, true},
    {u"楔子", false, false},
    {u"引子", false, false},
    {u"引言", false, false},
    {u"前言", false, false},
    {u"尾声", false, false},
    {u"后记", false, false},
    {u"终章", false, false},
    {u"番外", true, false},
    {u"完本感言", false, false},
}};

// What may stand between a heading's number or word and its title.
constexpr std::u16string_view kSeparators = u" \t\u3000:：、，,.．·・-－—_（(【[《<〈「『!！";

bool IsNumeral(char16_t c) {
    return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９') ||
           kChineseNumerals.find(c) != std::u16string_view::npos;
}

bool IsSeparator(char16_t c) {
    return kSeparators.find(c) != std::u16string_view::npos;
}

// `rest` is what follows the number and its unit.
bool TitleFollows(std::u16string_view rest, const Unit& unit) {
    return rest.empty() || IsSeparator(rest.front()) ||
           unit.wordsWith.find(rest.front()) == std::u16string_view::npos;
}

bool IsOrdinalHeading(std::u16string_view line) {
    if (!line.starts_with(kOrdinalPrefix)) {
        return false;
    }
    std::size_t i = kOrdinalPrefix.size();
    while (i < line.size() && IsNumeral(line[i])) {
        ++i;
    }
    const std::size_t numerals = i - kOrdinalPrefix.size();
    if (numerals == 0 || numerals > kMaxNumerals || i == line.size()) {
        return false;
    }
    const auto unit = std::find_if(kUnits.begin(), kUnits.end(),
                                   [c = line[i]](const Unit& u) { return u.mark == c; });
    return unit != kUnits.end() && TitleFollows(line.substr(i + 1), *unit);
}

bool IsMatterHeading(std::u16string_view line) {
    for (const MatterHeading& h : kMatterHeadings) {
        if (!line.starts_with(h.word)) {
            continue;
        }
        const std::u16string_view rest = line.substr(h.word.size());
        if (rest.empty()) {
            return true;
        }
        if (h.alone) {
            continue;
        }
        const char16_t next = rest.front();
        if (IsSeparator(next) || (h.numbered && (IsNumeral(next) || next == u'篇'))) {
            return true;
        }
    }
    return false;
}

} // namespace

bool IsChapterHeading(std::u16string_view line) {
    if (line.empty() || line.size() > kMaxHeadingLength) {
        return false;
    }
    return IsOrdinalHeading(line) || IsMatterHeading(line);
}

void ChapterFinder::Consider(std::u16string_view line, std::size_t start) {
    // Positions are 32-bit, as the reading position is; beyond that nothing can be
    // reached by a jump.
    if (start > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()) ||
        !IsChapterHeading(line)) {
        return;
    }
    chapters_.push_back({std::u16string(line), static_cast<std::int32_t>(start)});
}

} // namespace lumio
