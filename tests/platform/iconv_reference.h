#pragma once

// An independent decoding for the differential tests and fuzz targets: the C library's
// converter asked for one character at a time, so it shares no table, buffering or
// error handling with the decoders under test. The converter knows which sequences are
// characters; what a decoder makes of the rest is a rule of ours, written out here on
// its own terms:
//   - OneByte: the byte where no character starts is one U+FFFD, and decoding goes on
//     at the next byte (the table encodings);
//   - MaximalSubpart: one U+FFFD for the longest run of bytes there that begins some
//     character the converter writes, else for the one byte (UTF-8, as Unicode
//     recommends);
//   - OneUnit: one U+FFFD for each two bytes, or for an odd last byte (UTF-16).
// Only where the C library is glibc, whose converters the tables come from.

#include <bit>
#include <cstdlib>
#include <iconv.h>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace lumio::reference {

enum class BadInput { OneByte, MaximalSubpart, OneUnit };

// One converter and the sequence lengths it is asked about, shortest first.
struct Reading {
    const char* from;
    std::vector<std::size_t> lengths;
};

class IconvReference {
public:
    IconvReference(std::initializer_list<Reading> readings, BadInput rule) : rule_(rule) {
        for (const Reading& r : readings) {
            const iconv_t cd = iconv_open(
                std::endian::native == std::endian::little ? "UTF-32LE" : "UTF-32BE", r.from);
            ok_ = ok_ && cd != reinterpret_cast<iconv_t>(-1);
            converters_.push_back({cd, r.lengths});
        }
        from_ = readings.begin()->from;
    }
    ~IconvReference() {
        for (const Converter& c : converters_) {
            if (c.cd != reinterpret_cast<iconv_t>(-1)) {
                iconv_close(c.cd);
            }
        }
    }
    IconvReference(const IconvReference&) = delete;
    IconvReference& operator=(const IconvReference&) = delete;

    // Whether the C library has every converter asked for.
    bool ok() const { return ok_; }

    // What the decoding met: characters of more than one byte, and bad runs.
    struct Counts {
        std::size_t multiByte = 0;
        std::size_t longer = 0; // characters of three bytes or more
        std::size_t bad = 0;
    };

    std::u16string Decode(std::string_view bytes, Counts* counts = nullptr) {
        std::u16string out;
        std::size_t i = 0;
        Counts seen;
        while (i < bytes.size()) {
            char32_t c = 0;
            std::size_t used = One(bytes.substr(i), c);
            if (used == 0) {
                used = Bad(bytes.substr(i));
                c = 0xFFFD;
                ++seen.bad;
            } else if (used > 1) {
                ++seen.multiByte;
                seen.longer += used > 2 ? 1 : 0;
            }
            Put(c, out);
            i += used;
        }
        if (counts != nullptr) {
            *counts = seen;
        }
        return out;
    }

private:
    struct Converter {
        iconv_t cd;
        std::vector<std::size_t> lengths;
    };

    static void Put(char32_t c, std::u16string& out) {
        if (c < 0x10000) {
            out += static_cast<char16_t>(c);
        } else {
            out += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }

    // Whether `cd` takes all of `bytes` as exactly one character, into `c`.
    static bool Whole(iconv_t cd, std::string_view bytes, char32_t& c) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char32_t out[4] = {};
        char* in = const_cast<char*>(bytes.data());
        std::size_t inLeft = bytes.size();
        char* o = reinterpret_cast<char*>(out);
        std::size_t oLeft = sizeof out;
        const std::size_t rc = iconv(cd, &in, &inLeft, &o, &oLeft);
        if (rc == static_cast<std::size_t>(-1) || inLeft != 0 ||
            sizeof out - oLeft != sizeof(char32_t)) {
            return false;
        }
        c = out[0];
        return true;
    }

    // The bytes of the character at the front of `rest`, 0 when none starts there.
    std::size_t One(std::string_view rest, char32_t& c) {
        for (const Converter& converter : converters_) {
            for (const std::size_t length : converter.lengths) {
                if (length <= rest.size() && Whole(converter.cd, rest.substr(0, length), c)) {
                    return length;
                }
            }
        }
        return 0;
    }

    // How many bytes at the front of `rest`, where no character starts, one U+FFFD stands
    // for.
    std::size_t Bad(std::string_view rest) {
        switch (rule_) {
        case BadInput::OneByte:
            return 1;
        case BadInput::OneUnit:
            return rest.size() >= 2 ? 2 : 1;
        case BadInput::MaximalSubpart:
            break;
        }
        for (std::size_t k = std::min<std::size_t>(3, rest.size()); k > 1; --k) {
            if (StartsACharacter(std::string(rest.substr(0, k)))) {
                return k;
            }
        }
        return 1;
    }

    // Whether some character starts with `prefix`: the converter is asked to write every
    // code point the other way, once, and the proper prefixes of what it writes are kept.
    bool StartsACharacter(const std::string& prefix) {
        if (prefixes_.empty()) {
            const iconv_t cd =
                iconv_open(from_.c_str(),
                           std::endian::native == std::endian::little ? "UTF-32LE" : "UTF-32BE");
            for (char32_t c = 0; c <= 0x10FFFF; ++c) {
                char32_t in[1] = {c};
                char out[8];
                char* inPtr = reinterpret_cast<char*>(in);
                std::size_t inLeft = sizeof in;
                char* o = out;
                std::size_t oLeft = sizeof out;
                iconv(cd, nullptr, nullptr, nullptr, nullptr);
                if (iconv(cd, &inPtr, &inLeft, &o, &oLeft) == static_cast<std::size_t>(-1)) {
                    continue; // a surrogate: no character
                }
                for (std::size_t k = 1; k < sizeof out - oLeft; ++k) {
                    prefixes_.insert(std::string(out, k));
                }
            }
            iconv_close(cd);
        }
        return prefixes_.count(prefix) != 0;
    }

    BadInput rule_;
    bool ok_ = true;
    std::vector<Converter> converters_;
    std::string from_;
    std::set<std::string> prefixes_;
};

// The references of the encodings we read.
inline std::unique_ptr<IconvReference> Cp936() {
    return std::make_unique<IconvReference>(std::initializer_list<Reading>{{"CP936", {1, 2, 3, 4}}},
                                            BadInput::OneByte);
}
// Code page 936 first; where it has no character, GB18030's four-byte sequences only.
inline std::unique_ptr<IconvReference> Cp936Widened() {
    return std::make_unique<IconvReference>(
        std::initializer_list<Reading>{{"CP936", {1, 2, 3, 4}}, {"GB18030", {4}}},
        BadInput::OneByte);
}
inline std::unique_ptr<IconvReference> Gb18030() {
    return std::make_unique<IconvReference>(
        std::initializer_list<Reading>{{"GB18030", {1, 2, 3, 4}}}, BadInput::OneByte);
}
inline std::unique_ptr<IconvReference> Cp950() {
    return std::make_unique<IconvReference>(std::initializer_list<Reading>{{"CP950", {1, 2, 3, 4}}},
                                            BadInput::OneByte);
}
inline std::unique_ptr<IconvReference> Utf8() {
    return std::make_unique<IconvReference>(std::initializer_list<Reading>{{"UTF-8", {1, 2, 3, 4}}},
                                            BadInput::MaximalSubpart);
}
inline std::unique_ptr<IconvReference> Utf16Le() {
    return std::make_unique<IconvReference>(
        std::initializer_list<Reading>{{"UTF-16LE", {1, 2, 3, 4}}}, BadInput::OneUnit);
}
inline std::unique_ptr<IconvReference> Utf16Be() {
    return std::make_unique<IconvReference>(
        std::initializer_list<Reading>{{"UTF-16BE", {1, 2, 3, 4}}}, BadInput::OneUnit);
}

} // namespace lumio::reference
