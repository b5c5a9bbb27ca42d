#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumio {

// A chapter of the document: its heading line as the loader trimmed it, and where the
// heading starts in the document text (0-based, in UTF-16 units).
struct Chapter {
    std::u16string title;
    std::int32_t position = 0;

    bool operator==(const Chapter&) const = default;
};

// Whether a trimmed, non-blank line is a chapter heading: it begins with 第, one to a
// dozen numerals (Chinese, Arabic or full-width) and one of 章 回 节 卷 部 集, or it is a
// front or back matter heading (序章, 楔子, 引子, 尾声, 后记, 番外 ...). What follows must
// read as a title, not as the rest of a sentence: 第一回合 and 第三集团 are no
// chapters, and a line as long as a paragraph is none either.
bool IsChapterHeading(std::u16string_view line);

// Collects the chapters while the document text is built, line by line.
class ChapterFinder {
public:
    // A finished line: the document text from `start`, trimmed, without its separator.
    void LineEnded(std::u16string_view line, std::size_t start) {
        // Nearly every line is ruled out by its first character, without a call.
        if (!line.empty() && MayStartHeading(line.front())) {
            Consider(line, start);
        }
    }

    const std::vector<Chapter>& chapters() const { return chapters_; }
    std::vector<Chapter> Take() { return std::move(chapters_); }

private:
    // The first characters of every heading (第 and the front and back matter words):
    // a novel's lines are tested against these few before anything else.
    static constexpr std::u16string_view kFirstCharacters = u"第序楔引前尾后终番完";
    static bool MayStartHeading(char16_t c) {
        return kFirstCharacters.find(c) != std::u16string_view::npos;
    }
    void Consider(std::u16string_view line, std::size_t start);

    std::vector<Chapter> chapters_;
};

} // namespace lumio
