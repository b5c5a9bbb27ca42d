#pragma once

#include "platform/text_decoder.h"

namespace lumio {

// A code page of one- and two-byte characters, as tools/cp936_table generates its tables.
struct DoubleByteTables {
    const char16_t* single;       // [256]: each byte alone; U+FFFD for a lead byte
    const char16_t (*pairs)[256]; // [lead - firstLead][trail]; 0 where the pair is none
    int firstLead;
    int lastLead;
};

// Where the tables have no pair for a lead byte and the byte after it, an encoding may
// still read a character there (GB18030's added pairs and four-byte sequences). Returns
// the bytes that character takes from `in` (at least two, with the character in `c`), 0
// when there is none, or kWaitForMore when the bytes before `end` are too few to tell and
// more may come (`last` false).
using UntabledSequence = int (*)(const unsigned char* in, const unsigned char* end, bool last,
                                 char32_t& c);
inline constexpr int kWaitForMore = -1;

// Decodes a double-byte code page through its tables. A byte that starts no valid
// character becomes one U+FFFD and decoding goes on at the next byte (a lead byte before
// a bad trail yields U+FFFD and the trail is read again as a character of its own).
class DoubleByteDecoder final : public TextDecoder {
public:
    explicit DoubleByteDecoder(const DoubleByteTables& tables, UntabledSequence untabled = nullptr);

    DecodeProgress Decode(std::string_view bytes, char16_t* out, bool last,
                          bool stopAtCr) const override;

private:
    struct Step {
        std::size_t bytes; // 0: the character may get its end with the next bytes
        std::size_t units;
    };
    Step DecodeAt(const unsigned char* in, const unsigned char* end, bool last,
                  char16_t* out) const;
    Step DecodeUntabled(const unsigned char* in, const unsigned char* end, bool last,
                        char16_t* out) const;

    DoubleByteTables tables_;
    UntabledSequence untabled_;
    char ideographicSpace_[2] = {}; // the pair the tables give U+3000
};

} // namespace lumio
