// Decodes every one- and two-byte sequence with the core's code page 936 decoder and with
// the system's own table (MultiByteToWideChar, under the same bad-byte rule) and lists
// where they disagree. A disagreement not named in the file given as the first argument
// fails the run, and so does a listed one that no longer happens.
//   usage: cp936_system_table KNOWN-DIFFERENCES-FILE
#include "platform/cp936.h"

#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <windows.h>

namespace {

std::u16string System(const std::string& bytes) {
    wchar_t wide[4];
    const int n = ::MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes.data(),
                                        static_cast<int>(bytes.size()), wide, 4);
    if (n == 1) {
        return std::u16string(1, static_cast<char16_t>(wide[0]));
    }
    if (bytes.size() == 1) {
        return u"\uFFFD";
    }
    // The lead starts nothing valid with this trail: one U+FFFD, then the trail anew.
    return u"\uFFFD" + System(bytes.substr(1));
}

std::string Units(const std::u16string& text) {
    std::string out;
    char unit[8];
    for (const char16_t c : text) {
        std::snprintf(unit, sizeof unit, "%sU+%04X", out.empty() ? "" : " ", unsigned{c});
        out += unit;
    }
    return out;
}

std::string Hex(const std::string& bytes) {
    std::string out;
    char byte[4];
    for (const char b : bytes) {
        std::snprintf(byte, sizeof byte, "%s%02X", out.empty() ? "" : " ",
                      unsigned{static_cast<unsigned char>(b)});
        out += byte;
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: cp936_system_table KNOWN-DIFFERENCES-FILE\n");
        return 2;
    }
    // One sequence per line, as printed below ("81 30"); '#' starts a comment.
    std::set<std::string> known;
    std::ifstream list(argv[1]);
    if (!list) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 2;
    }
    for (std::string line; std::getline(list, line);) {
        line = line.substr(0, line.find('#'));
        while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) {
            line.pop_back();
        }
        if (!line.empty()) {
            known.insert(line);
        }
    }

    std::set<std::string> seen;
    int unexpected = 0;
    int sequences = 0;
    const auto check = [&](const std::string& bytes) {
        ++sequences;
        const std::u16string ours = lumio::DecodeCp936(bytes);
        const std::u16string system = System(bytes);
        if (ours == system) {
            return;
        }
        const std::string key = Hex(bytes);
        seen.insert(key);
        const bool listed = known.count(key) != 0;
        unexpected += listed ? 0 : 1;
        std::printf("%s%s: ours %s, system %s\n", listed ? "known " : "NEW   ", key.c_str(),
                    Units(ours).c_str(), Units(system).c_str());
    };
    for (int first = 0; first < 256; ++first) {
        check(std::string(1, static_cast<char>(first)));
        if (::IsDBCSLeadByteEx(936, static_cast<BYTE>(first))) {
            for (int second = 0; second < 256; ++second) {
                check(std::string{static_cast<char>(first), static_cast<char>(second)});
            }
        }
    }
    int gone = 0;
    for (const std::string& key : known) {
        if (seen.count(key) == 0) {
            std::printf("GONE  %s: listed, but both decode it alike now\n", key.c_str());
            ++gone;
        }
    }
    std::printf("%d sequences, %zu disagreements (%d not listed), %d listed ones gone\n", sequences,
                seen.size(), unexpected, gone);
    return unexpected == 0 && gone == 0 ? 0 : 1;
}
