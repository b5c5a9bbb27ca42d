#pragma once

#include "platform/prefault.h"
#include "platform/text_decoder.h"
#include "reader/chapter_finder.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace lumio {

// Builds the document text from file text, fed in pieces of any size: every non-blank
// line, trimmed, followed by two spaces, with no line breaks. A line ends at CR or
// CR LF; a lone LF is an ordinary character. Trimming takes U+0020 and U+3000 (the
// ideographic space that indents Chinese paragraphs) from both ends; tabs stay.
//
// Lines are written straight into the result, so the work is linear in the text and a
// line of any length is never copied on its own.
class DocumentText {
public:
    // `expectedLength` reserves room up front to spare regrowing a large text.
    explicit DocumentText(std::size_t expectedLength = 0);
    ~DocumentText();
    DocumentText(const DocumentText&) = delete;
    DocumentText& operator=(const DocumentText&) = delete;

    // Decoded text.
    void Append(std::u16string_view piece);

    // Encoded bytes, decoded by `decoder` straight into the text: a load makes one pass
    // over the file with no decoded copy of it. Returns how many bytes it used; when
    // `last` is false a character cut off at the end is left unused, to be passed again
    // in front of the next bytes. Gives the text that Append(DecodeAll(decoder, ...))
    // gives. The decoder may change from one call to the next, between characters.
    std::size_t AppendBytes(const TextDecoder& decoder, std::string_view bytes, bool last);

    // Shows each finished line to `finder` (when not null) as it is written.
    void FindChapters(ChapterFinder* finder) { chapters_ = finder; }

    // Ends the last line and hands over the text.
    std::u16string Finish();

    // Another thread with time to spare calls this while the text is written, until
    // Finish: it gives the next pages of the reserve that the text will need, ahead of
    // the writer, and returns false when there are none to give yet.
    bool GivePagesAhead();

private:
    // Makes room for `units` more units after the text and returns where they go.
    char16_t* Room(std::size_t units);
    void AppendToLine(std::u16string_view piece);
    void EndLine();

    // The first length_ units are the text; the rest is room made for decoding, not
    // written until the decoder writes it.
    std::u16string text_;
    std::size_t length_ = 0;
    // The reserved buffer is given its pages a few megabytes at a time, just before
    // they are written or ahead of that from another thread (GivePagesAhead), until
    // the text outgrows it.
    std::unique_ptr<PagesAhead> pagesAhead_;
    std::size_t announced_ = 0; // the text has been said to reach this far, in units
    std::size_t lineStart_ = 0;
    bool inLeadingBlanks_ = true;
    bool afterCr_ = false;
    ChapterFinder* chapters_ = nullptr;
};

} // namespace lumio
