#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace lumio {

// Builds the document text from decoded file text, fed in pieces of any size: every
// non-blank line, trimmed, followed by two spaces, with no line breaks. A line ends at
// CR or CR LF; a lone LF is an ordinary character. Trimming takes U+0020 and U+3000
// (the ideographic space that indents Chinese paragraphs) from both ends; tabs stay.
//
// Lines are written straight into the result, so the work is linear in the text and a
// line of any length is never copied on its own.
class DocumentText {
public:
    // `expectedLength` reserves room up front to spare regrowing a large text.
    explicit DocumentText(std::size_t expectedLength = 0);

    void Append(std::u16string_view piece);

    // Ends the last line and hands over the text.
    std::u16string Finish();

private:
    void AppendToLine(std::u16string_view piece);
    void EndLine();

    std::u16string text_;
    std::size_t lineStart_ = 0;
    bool inLeadingBlanks_ = true;
    bool afterCr_ = false;
};

} // namespace lumio
