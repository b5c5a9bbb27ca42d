#pragma once

// An independent decoding of code page 936 for the differential targets: iconv asked
// one character at a time, trying one to four bytes, so it shares no buffering or
// error handling with the decoder under test.

#include <bit>
#include <cstdlib>
#include <iconv.h>
#include <string>
#include <string_view>

namespace lumio::fuzz {

class ReferenceCp936 {
public:
    ReferenceCp936()
        : cd_(iconv_open(std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE",
                         "CP936")) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) {
            std::abort();
        }
    }
    ~ReferenceCp936() { iconv_close(cd_); }
    ReferenceCp936(const ReferenceCp936&) = delete;
    ReferenceCp936& operator=(const ReferenceCp936&) = delete;

    std::u16string Decode(std::string_view bytes) {
        std::u16string out;
        std::size_t i = 0;
        while (i < bytes.size()) {
            const std::size_t used = One(bytes.substr(i), out);
            if (used == 0) {
                out.push_back(u'\uFFFD');
                ++i;
            } else {
                i += used;
            }
        }
        return out;
    }

private:
    // The length of the shortest prefix that iconv turns into whole characters, or 0.
    std::size_t One(std::string_view rest, std::u16string& out) {
        for (std::size_t len = 1; len <= 4 && len <= rest.size(); ++len) {
            iconv(cd_, nullptr, nullptr, nullptr, nullptr);
            char16_t buffer[4];
            char* in = const_cast<char*>(rest.data());
            std::size_t inLeft = len;
            char* o = reinterpret_cast<char*>(buffer);
            std::size_t oLeft = sizeof buffer;
            if (iconv(cd_, &in, &inLeft, &o, &oLeft) != static_cast<std::size_t>(-1) &&
                inLeft == 0) {
                out.append(buffer, (sizeof buffer - oLeft) / sizeof(char16_t));
                return len;
            }
        }
        return 0;
    }

    iconv_t cd_;
};

} // namespace lumio::fuzz
