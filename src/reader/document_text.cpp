#include "reader/document_text.h"

#include "platform/cp936.h"

#include <cstring>

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

std::size_t DocumentText::AppendCp936(std::string_view bytes, bool last) {
    // Byte 0x0D is CR and nothing else (it is never the trail of a pair), so lines can be
    // found in the bytes before decoding them, and a CR is always where a character
    // starts. LF likewise.
    std::size_t i = 0;
    if (afterCr_ && !bytes.empty()) {
        afterCr_ = false;
        if (bytes[0] == '\n') {
            i = 1;
        }
    }
    while (i < bytes.size()) {
        const void* found = std::memchr(bytes.data() + i, '\r', bytes.size() - i);
        if (found == nullptr) {
            DecodeToLine(bytes.substr(i), last, i);
            return i;
        }
        const auto cr = static_cast<std::size_t>(static_cast<const char*>(found) - bytes.data());
        std::size_t used = 0;
        // A lead byte just before the CR has no trail: the CR ends the character.
        DecodeToLine(bytes.substr(i, cr - i), true, used);
        EndLine();
        i = cr + 1;
        if (i == bytes.size()) {
            afterCr_ = true;
        } else if (bytes[i] == '\n') {
            ++i;
        }
    }
    return i;
}

void DocumentText::DecodeToLine(std::string_view bytes, bool last, std::size_t& used) {
    const std::size_t start = text_.size();
    // Room for one unit per byte; resize fills only this line's room, never the whole
    // reserve, so untouched reserve stays untouched memory.
    text_.resize(start + bytes.size());
    const Cp936Progress progress = DecodeCp936Into(bytes, text_.data() + start, last);
    std::size_t end = start + progress.written;
    if (inLeadingBlanks_) {
        std::size_t first = start;
        while (first < end && IsTrimmed(text_[first])) {
            ++first;
        }
        if (first != start) {
            text_.erase(start, first - start);
            end -= first - start;
        }
        inLeadingBlanks_ = end == start;
    }
    text_.resize(end);
    used += progress.used;
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
