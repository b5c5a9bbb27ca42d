#include "reader/document_text.h"

#include "platform/prefault.h"
#include "platform/string_growth.h"

#include <algorithm>
#include <cstdint>

namespace lumio {

namespace {

constexpr char16_t kCr = u'\r';
constexpr char16_t kLf = u'\n';

bool IsTrimmed(char16_t c) {
    return c == u' ' || c == u'\u3000';
}

// Whether `rest` starts with the character written `form`: Maybe when it is a start of
// `form` cut off at the end of the bytes and more may come.
enum class Found { No, Yes, Maybe };
Found Find(std::string_view rest, std::string_view form, bool last) {
    // A byte at a time: the forms are a few bytes, and most lines differ at the first.
    const std::size_t n = std::min(rest.size(), form.size());
    for (std::size_t k = 0; k < n; ++k) {
        if (rest[k] != form[k]) {
            return Found::No;
        }
    }
    if (n == form.size()) {
        return n == 0 ? Found::No : Found::Yes;
    }
    return last ? Found::No : Found::Maybe;
}

// The reserve is given its pages at most this far ahead of the text, so that a load
// takes few page faults but never holds much more memory than its text (8 MB: a mostly
// ASCII UTF-8 file, whose text is twice its size, then peaks below 2.1 times it).
constexpr std::size_t kPagesLeadUnits = std::size_t{4} << 20;
// How far ahead of the text the writer says where it is.
constexpr std::size_t kAnnounceUnits = std::size_t{64} << 10;

} // namespace

DocumentText::DocumentText(std::size_t expectedLength) {
    text_.reserve(expectedLength);
    if (expectedLength > 0 && PrefaultWorks()) {
        pagesAhead_ = std::make_unique<PagesAhead>(
            text_.data(), text_.capacity() * sizeof(char16_t), kPagesLeadUnits * sizeof(char16_t));
    }
}

DocumentText::~DocumentText() = default;

bool DocumentText::GivePagesAhead() {
    return pagesAhead_ && pagesAhead_->GiveStepAhead();
}

char16_t* DocumentText::Room(std::size_t units) {
    const std::size_t size = length_ + units;
    if (pagesAhead_ && size > announced_) {
        if (size <= text_.capacity()) {
            // Told in strides, not at every line end: the other thread reads this too.
            announced_ = size + kAnnounceUnits;
            pagesAhead_->WrittenUpTo(announced_ * sizeof(char16_t));
        } else {
            // The text is about to move to a larger buffer and free this one, which must
            // then get no more pages: stopped before, and after any step in progress.
            // The new buffer gets its pages as it is written.
            pagesAhead_->Stop();
            announced_ = SIZE_MAX;
        }
    }
    if (text_.size() < size) {
        text_.resize(length_); // what lies beyond the text is not worth keeping or moving
        GrowUnwritten(text_, size);
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

std::size_t DocumentText::AppendBytes(const TextDecoder& decoder, std::string_view bytes,
                                      bool last) {
    // Each byte gives at most one unit; a line of k bytes and its CR at most k + 2, so
    // one room of 1.5 units a byte holds the whole piece.
    Room(bytes.size() + bytes.size() / 2 + 2);
    // LF and the trimmed spaces are found by their bytes, which is where a character
    // starts: after a line end, and after each trimmed space.
    const LineBytes& forms = decoder.lineBytes();
    std::size_t i = 0;
    while (i < bytes.size()) {
        if (afterCr_) {
            const Found lf = Find(bytes.substr(i), forms.lf, last);
            if (lf == Found::Maybe) {
                return i; // perhaps the LF of a CR LF, cut off at the end
            }
            afterCr_ = false;
            i += lf == Found::Yes ? forms.lf.size() : 0;
            continue;
        }
        if (inLeadingBlanks_) {
            // The common indent of spaces, a byte each where the encoding writes them so.
            while (forms.space.size() == 1 && i < bytes.size() && bytes[i] == forms.space[0]) {
                ++i;
            }
            for (;;) {
                const std::string_view rest = bytes.substr(i);
                const Found space = Find(rest, forms.space, last);
                const Found ideographic = Find(rest, forms.ideographicSpace, last);
                if (space == Found::Yes || ideographic == Found::Yes) {
                    i += space == Found::Yes ? forms.space.size() : forms.ideographicSpace.size();
                } else if (space == Found::Maybe || ideographic == Found::Maybe || rest.empty()) {
                    return i; // all blank so far, or a space cut off at the end
                } else {
                    break;
                }
            }
            inLeadingBlanks_ = false;
        }
        // Decoding stops after each line end, where a character always starts.
        const DecodeProgress progress =
            decoder.Decode(bytes.substr(i), text_.data() + length_, last, true);
        length_ += progress.written;
        i += progress.used;
        if (!progress.lineEnd) {
            return i; // the end, or a character cut off at the end
        }
        EndLine();
        afterCr_ = true;
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
