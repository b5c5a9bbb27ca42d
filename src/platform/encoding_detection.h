#pragma once

#include "platform/text_decoder.h"
#include "platform/text_encoding.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

namespace lumio {

// Finds how a document is encoded from its bytes as they are read, so that it is still
// read in one pass. With TextEncoding::Auto:
//   1. A byte-order mark says it: EF BB BF is UTF-8, FF FE UTF-16LE, FE FF UTF-16BE.
//   2. Else the document is UTF-8 when, from its first byte that is not ASCII on, it
//      holds at least one valid multi-byte sequence and at most one invalid sequence
//      per 1,000 valid multi-byte ones. A long document is judged on the first
//      kEvidenceBytes from there, and a guess the rest of them could no longer save
//      is given up at once: a GBK document is known for what it is within a few
//      kilobytes. But every two-byte UTF-8 sequence is a GBK character too: a document
//      whose valid sequences are all two-byte ones and that reads as GBK without a bad
//      byte (say 一一一, D2 BB again and again) is GBK as much as UTF-8, and stays GBK,
//      as it was always read. Chinese in UTF-8 takes three bytes a character.
//   3. Else code page 936 widened by GB18030's four-byte sequences.
// The ASCII bytes in front of the first that is not are the same in every candidate and
// are handed on as they come; only the bytes being judged are held back. A named
// encoding is used as it is, its own mark at the start dropped.
class EncodingDetector {
public:
    static constexpr std::size_t kEvidenceBytes = std::size_t{4} << 20;

    explicit EncodingDetector(TextEncoding encoding);

    // What to do with the bytes at the front of the unread input.
    struct Step {
        const TextDecoder* decoder; // reads the `ready` bytes
        std::size_t skip = 0;       // bytes to drop first: a byte-order mark
        std::size_t ready = 0;      // then this many may be decoded with `decoder`
    };

    // `bytes`: the document's bytes from where the last step's ready ones ended; `last`:
    // nothing comes after them. The bytes after skip + ready must be passed again, with
    // the next ones after them. Once decided, every step makes all bytes ready.
    Step Next(std::string_view bytes, bool last);

    bool decided() const { return phase_ == Phase::Decided; }
    // The encoding decided on: Auto for code page 936 widened by GB18030's four-byte
    // sequences (and while undecided).
    TextEncoding encoding() const { return encoding_; }

private:
    enum class Phase { Mark, Ascii, Judging, Decided };

    Step Decide(TextEncoding encoding, std::size_t skip, std::size_t ready);
    Step LookForMark(std::string_view bytes, bool last);
    Step Judge(std::string_view bytes, bool last);

    const TextEncoding named_;
    TextEncoding encoding_ = TextEncoding::Auto;
    Phase phase_ = Phase::Mark;
    std::size_t judged_ = 0; // bytes of the held ones already judged
    std::uint64_t valid_ = 0;
    std::uint64_t invalid_ = 0;
    std::uint64_t longer_ = 0; // valid sequences of three or four bytes
};

} // namespace lumio
