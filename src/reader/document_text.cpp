#include "reader/document_text.h"

#include "platform/cp936.h"
#include "platform/prefault.h"

#include <algorithm>

namespace lumio {

namespace {

constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';

bool IsTrimmed(char16_t c) {
    return c == u' ' || c == u'\u3000';
}

// What new room is filled with before it is written. Copying it is many times faster
// than the unit-by-unit fill of resize, which would otherwise cost more than decoding.
constexpr std::size_t kZeroUnits = std::size_t{1} << 15;
const char16_t kZeros[kZeroUnits] = {};

// The reserve is given its pages at most this far ahead of the text, so that a load
// takes few page faults but never holds much more memory than its text.
constexpr std::size_t kPagesLeadUnits = std::size_t{8} << 20;
// How far ahead of the text the writer says where it is.
constexpr std::size_t kAnnounceUnits = std::size_t{64} << 10;

} // namespace

DocumentText::DocumentText(std::size_t expectedLength) {
    text_.reserve(expectedLength);
    if (expectedLength > 0 && PrefaultWorks()) {
        pagesAhead_ = std::make_unique<PagesAhead>(
            text_.data(), text_.capacity() * sizeof(char16_t), kPagesLeadUnits * sizeof(char16_t));
        pagesData_ = text_.data();
    }
}

DocumentText::~DocumentText() = default;

bool DocumentText::GivePagesAhead() {
    return pagesAhead_ && pagesAhead_->GiveStepAhead();
}

char16_t* DocumentText::Room(std::size_t units) {
    if (pagesAhead_ && length_ + units > announced_) {
        if (text_.data() == pagesData_) {
            // Told in strides, not at every line end: the other thread reads this too.
            announced_ = length_ + units + kAnnounceUnits;
            pagesAhead_->WrittenUpTo(announced_ * sizeof(char16_t));
        } else {
            pagesAhead_->Stop(); // the text outgrew its buffer; the new one fills as it is written
        }
    }
    // Only the new room is filled: each unit is filled once over the whole load.
    for (std::size_t size = length_ + units; text_.size() < size;) {
        text_.append(kZeros, std::min(kZeroUnits, size - text_.size()));
    }
    return text_.data() + length_;
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
    std::size_t i = 0;
    if (afterCr_ && !bytes.empty()) {
        afterCr_ = false;
        if (bytes[0] == '\n') {
            i = 1;
        }
    }
    // Each byte gives at most one unit; a line of k bytes and its CR at most k + 2, so
    // one room of 1.5 units a byte holds the whole piece.
    Room(bytes.size() + bytes.size() / 2 + 2);
    while (i < bytes.size()) {
        if (inLeadingBlanks_) {
            while (i < bytes.size() && bytes[i] == ' ') {
                ++i; // the common indent, without decoding
            }
            char16_t c = 0;
            std::size_t n = 0;
            while ((n = DecodeFirstCp936(bytes.substr(i), last, c)) != 0 && IsTrimmed(c)) {
                i += n;
            }
            if (n == 0) {
                return i; // all blank so far, or a cut-off character
            }
            inLeadingBlanks_ = false;
        }
        // Byte 0x0D is CR and nothing else (it is never the trail of a pair), so the
        // decoder stops at each line end, where a character always starts.
        const Cp936Progress progress =
            DecodeCp936Into(bytes.substr(i), text_.data() + length_, last, '\r');
        length_ += progress.written;
        i += progress.used;
        if (i == bytes.size() || bytes[i] != '\r') {
            return i; // the end, or a character cut off at the end
        }
        EndLine();
        ++i;
        if (i == bytes.size()) {
            afterCr_ = true;
        } else if (bytes[i] == '\n') {
            ++i;
        }
    }
    return i;
}

std::u16string DocumentText::Finish() {
    if (pagesAhead_) {
        pagesAhead_->Stop(); // the buffer is handed over
    }
    EndLine();
    text_.resize(length_);
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
    std::copy(piece.begin(), piece.end(), Room(piece.size()));
    length_ += piece.size();
}

void DocumentText::EndLine() {
    while (length_ > lineStart_ && IsTrimmed(text_[length_ - 1])) {
        --length_;
    }
    if (chapters_ != nullptr) {
        chapters_->LineEnded({text_.data() + lineStart_, length_ - lineStart_}, lineStart_);
    }
    if (length_ > lineStart_) {
        char16_t* const separator = Room(2);
        separator[0] = u' ';
        separator[1] = u' ';
        length_ += 2;
    }
    lineStart_ = length_;
    inLeadingBlanks_ = true;
}

} // namespace lumio
