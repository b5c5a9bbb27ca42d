#include "platform/encoding_detection.h"

#include "platform/utf8_decoder.h"

#include <algorithm>
#include <array>
#include <span>

namespace lumio {

namespace {

// The marks a document is recognised by when no encoding is named.
constexpr std::array<TextEncoding, 3> kMarked = {TextEncoding::Utf8, TextEncoding::Utf16Le,
                                                 TextEncoding::Utf16Be};

constexpr std::uint64_t kValidPerInvalid = 1000;

// Whether `decoder` reads all of `bytes` without a U+FFFD, a piece at a time.
bool ReadsWithoutBadBytes(const TextDecoder& decoder, std::string_view bytes) {
    constexpr std::size_t kPiece = 4096;
    char16_t units[kPiece];
    while (!bytes.empty()) {
        const std::string_view piece = bytes.substr(0, kPiece);
        const DecodeProgress progress =
            decoder.Decode(piece, units, piece.size() == bytes.size(), false);
        if (std::find(units, units + progress.written, u'\uFFFD') != units + progress.written) {
            return false;
        }
        bytes.remove_prefix(progress.used);
    }
    return true;
}

} // namespace

EncodingDetector::EncodingDetector(TextEncoding encoding) : named_(encoding) {}

EncodingDetector::Step EncodingDetector::Decide(TextEncoding encoding, std::size_t skip,
                                                std::size_t ready) {
    encoding_ = encoding;
    phase_ = Phase::Decided;
    return {&DecoderFor(encoding), skip, ready};
}

EncodingDetector::Step EncodingDetector::Next(std::string_view bytes, bool last) {
    switch (phase_) {
    case Phase::Mark:
        return LookForMark(bytes, last);
    case Phase::Ascii: {
        const auto ascii = static_cast<std::size_t>(
            std::find_if(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; }) -
            bytes.begin());
        if (ascii < bytes.size()) {
            phase_ = Phase::Judging;
            judged_ = 0;
        }
        if (ascii > 0 || phase_ == Phase::Ascii) {
            return {&DecoderFor(TextEncoding::Auto), 0, ascii};
        }
        return Judge(bytes, last);
    }
    case Phase::Judging:
        return Judge(bytes, last);
    case Phase::Decided:
        break;
    }
    return {&DecoderFor(encoding_), 0, bytes.size()};
}

EncodingDetector::Step EncodingDetector::LookForMark(std::string_view bytes, bool last) {
    const auto marks = named_ == TextEncoding::Auto ? std::span<const TextEncoding>(kMarked)
                                                    : std::span<const TextEncoding>(&named_, 1);
    for (const TextEncoding encoding : marks) {
        const std::string_view mark = ByteOrderMark(encoding);
        if (!mark.empty() && bytes.starts_with(mark)) {
            return Decide(encoding, mark.size(), bytes.size() - mark.size());
        }
    }
    for (const TextEncoding encoding : marks) {
        const std::string_view mark = ByteOrderMark(encoding);
        if (!last && bytes.size() < mark.size() && mark.starts_with(bytes)) {
            return {&DecoderFor(TextEncoding::Auto), 0, 0}; // maybe the start of this mark
        }
    }
    if (named_ != TextEncoding::Auto) {
        return Decide(named_, 0, bytes.size());
    }
    phase_ = Phase::Ascii;
    return Next(bytes, last);
}

EncodingDetector::Step EncodingDetector::Judge(std::string_view bytes, bool last) {
    const auto* const begin = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* const end = begin + bytes.size();
    while (judged_ < bytes.size() && judged_ < kEvidenceBytes) {
        const unsigned char* const at = begin + judged_;
        if (*at < 0x80) {
            ++judged_;
            continue;
        }
        const Utf8Sequence sequence = ReadUtf8Sequence(at, end, last);
        if (sequence.length == 0) {
            return {&DecoderFor(TextEncoding::Auto), 0, 0}; // cut off: wait for its end
        }
        judged_ += sequence.length;
        if (sequence.valid) {
            ++valid_;
            longer_ += sequence.length > 2 ? 1 : 0;
            continue;
        }
        ++invalid_;
        // Each multi-byte sequence still to come takes two bytes at least.
        const std::uint64_t mostStillValid =
            valid_ + (kEvidenceBytes - std::min(judged_, kEvidenceBytes)) / 2;
        if (invalid_ * kValidPerInvalid > mostStillValid) {
            return Decide(TextEncoding::Auto, 0, bytes.size());
        }
    }
    if (judged_ < kEvidenceBytes && !last) {
        return {&DecoderFor(TextEncoding::Auto), 0, 0}; // hold them until there is enough
    }
    const bool utf8 = valid_ > 0 && invalid_ * kValidPerInvalid <= valid_ &&
                      (longer_ > 0 || !ReadsWithoutBadBytes(DecoderFor(TextEncoding::Auto),
                                                            bytes.substr(0, judged_)));
    return Decide(utf8 ? TextEncoding::Utf8 : TextEncoding::Auto, 0, bytes.size());
}

} // namespace lumio
