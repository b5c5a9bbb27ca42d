#include "reader/document_text.h"

namespace lumio {

namespace {

constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';
constexpr std::u16string_view kLineSeparator = u"  ";

bool IsTrimmed(char16_t c) {
    return c == u' ' || c == u'\u3000';
}

} // namespace

DocumentText::DocumentText(std::size_t expectedLength) {
    text_.reserve(expectedLength);
}

void DocumentText::Append(std::u16string_view piece) {
    std::size_t i = 0;
    if (afterCr_ && !piece.empty()) {
        afterCr_ = false;
        if (piece[0] == kLf) {
            i = 1; // the LF of a CR LF that was split between two pieces
        }
    }
    while (i < piece.size()) {
        const std::size_t cr = piece.find(kCr, i);
        if (cr == std::u16string_view::npos) {
            AppendToLine(piece.substr(i));
            return;
        }
        AppendToLine(piece.substr(i, cr - i));
        EndLine();
        i = cr + 1;
        if (i == piece.size()) {
            afterCr_ = true;
        } else if (piece[i] == kLf) {
            ++i;
        }
    }
}

std::u16string DocumentText::Finish() {
    EndLine();
    return std::move(text_);
}

void DocumentText::AppendToLine(std::u16string_view piece) {
    if (inLeadingBlanks_) {
        std::size_t skip = 0;
        while (skip < piece.size() && IsTrimmed(piece[skip])) {
            ++skip;
        }
        piece.remove_prefix(skip);
        if (piece.empty()) {
            return;
        }
        inLeadingBlanks_ = false;
    }
    text_.append(piece);
}

void DocumentText::EndLine() {
    std::size_t end = text_.size();
    while (end > lineStart_ && IsTrimmed(text_[end - 1])) {
        --end;
    }
    text_.resize(end);
    if (end > lineStart_) {
        text_.append(kLineSeparator);
    }
    lineStart_ = text_.size();
    inLeadingBlanks_ = true;
}

} // namespace lumio
