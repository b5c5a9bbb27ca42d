// Decodes the sequences of a code page with the core's decoder and with the system's own
// converter (MultiByteToWideChar) and lists where they disagree. A disagreement not named
// in the file given as the second argument fails the run, and so does a listed one that
// no longer happens. A file that holds the line "unsupported" says the system has no
// such code page (Wine has no GB18030): then the run checks that it still has none.
//   usage: code_page_system_table CODE-PAGE KNOWN-DIFFERENCES-FILE
// Code pages: 936 (every one- and two-byte sequence), 950 (the same), 54936 (those and
// every four-byte sequence), 65001 (every one- and two-byte sequence, every three-byte
// one of a three-byte lead, and four-byte ones over every class of byte).
#include "../byte_strings.h"
#include "platform/cp936.h"
#include "platform/cp950.h"
#include "platform/gb18030.h"
#include "platform/utf8_decoder.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <set>
#include <string>
#include <windows.h>

namespace {

using lumio::Bytes;
using Sequences = std::function<void(const std::function<void(const std::string&)>&)>;

// The system's one character of exactly `bytes` (one unit, or a surrogate pair); false
// when `bytes` are not one character to it.
bool SystemCharacter(UINT codePage, std::string_view bytes, std::u16string& out) {
    wchar_t wide[4];
    const int n = ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes.data(),
                                        static_cast<int>(bytes.size()), wide, 4);
    if (n != 1 && !(n == 2 && IS_HIGH_SURROGATE(wide[0]) && IS_LOW_SURROGATE(wide[1]))) {
        return false;
    }
    out.append(wide, wide + n);
    return true;
}

// The system's reading under the table code pages' rule for bad bytes: a byte where no
// character starts is one U+FFFD, and reading goes on at the next byte. Characters are
// taken with the fewest bytes that make one.
std::u16string SystemTable(UINT codePage, std::string_view bytes) {
    std::u16string out;
    for (std::size_t i = 0; i < bytes.size();) {
        std::size_t length = 1;
        while (length <= 4 && i + length <= bytes.size() &&
               !SystemCharacter(codePage, bytes.substr(i, length), out)) {
            ++length;
        }
        if (length > 4 || i + length > bytes.size()) {
            out += u'\uFFFD';
            length = 1;
        }
        i += length;
    }
    return out;
}

// The text with each run of U+FFFD as one: what two readings that cut bad bytes into
// runs differently still share.
std::u16string OneReplacementARun(const std::u16string& text) {
    std::u16string out;
    for (const char16_t c : text) {
        if (c != u'\uFFFD' || out.empty() || out.back() != u'\uFFFD') {
            out += c;
        }
    }
    return out;
}

// The system's reading with its own rule for bad bytes (UTF-8).
std::u16string SystemWhole(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) {
        return {};
    }
    const int n = ::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()),
                                        nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), wide.data(),
                          n);
    return std::u16string(wide.begin(), wide.end());
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

// A sequence as the known-differences file names it: "81 30 81 30".
std::string DifferenceKey(const std::string& bytes) {
    std::string out;
    char byte[4];
    for (const char b : bytes) {
        std::snprintf(byte, sizeof byte, "%s%02X", out.empty() ? "" : " ",
                      unsigned{static_cast<unsigned char>(b)});
        out += byte;
    }
    return out;
}

// Every byte, and every pair that starts with a lead byte of the system's.
Sequences OneAndTwoBytes(UINT codePage) {
    return [codePage](const auto& check) {
        for (int first = 0; first < 256; ++first) {
            check(Bytes({first}));
            if (codePage == CP_UTF8 || ::IsDBCSLeadByteEx(codePage, static_cast<BYTE>(first))) {
                for (int second = 0; second < 256; ++second) {
                    check(Bytes({first, second}));
                }
            }
        }
    };
}

Sequences Gb18030Sequences() {
    return [](const auto& check) {
        OneAndTwoBytes(54936)(check);
        for (int a = 0x81; a <= 0xFE; ++a) {
            for (int b = '0'; b <= '9'; ++b) {
                for (int c = 0x81; c <= 0xFE; ++c) {
                    for (int d = '0'; d <= '9'; ++d) {
                        check(Bytes({a, b, c, d}));
                    }
                }
            }
        }
    };
}

Sequences Utf8Sequences() {
    return [](const auto& check) {
        OneAndTwoBytes(CP_UTF8)(check);
        for (int a = 0xE0; a <= 0xEF; ++a) {
            for (int b = 0; b < 256; ++b) {
                for (int c = 0; c < 256; ++c) {
                    check(Bytes({a, b, c}));
                }
            }
        }
        static constexpr int kClassBounds[] = {0x00, 0x41, 0x7F, 0x80, 0x8F, 0x90, 0x9F,
                                               0xA0, 0xBF, 0xC0, 0xC2, 0xE0, 0xF0, 0xFF};
        for (int a = 0xF0; a <= 0xF7; ++a) {
            for (int b = 0; b < 256; ++b) {
                for (const int c : kClassBounds) {
                    for (const int d : kClassBounds) {
                        check(Bytes({a, b, c, d}));
                    }
                }
            }
        }
    };
}

struct CodePage {
    UINT number;
    const lumio::TextDecoder& decoder;
    std::u16string (*system)(UINT, std::string_view);
    Sequences sequences;
    // Read after each sequence (UTF-8): Wine's UTF-8 reading takes whatever follows a
    // lead cut off by the end of the input into its U+FFFD, which says nothing of how
    // it reads text.
    std::string after;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: code_page_system_table CODE-PAGE KNOWN-DIFFERENCES-FILE\n");
        return 2;
    }
    const CodePage codePages[] = {
        {936, lumio::Cp936TextDecoder(), SystemTable, OneAndTwoBytes(936), ""},
        {950, lumio::Cp950TextDecoder(), SystemTable, OneAndTwoBytes(950), ""},
        {54936, lumio::Gb18030TextDecoder(), SystemTable, Gb18030Sequences(), ""},
        {CP_UTF8, lumio::Utf8TextDecoder(), SystemWhole, Utf8Sequences(), "AAA"},
    };
    const UINT wanted = static_cast<UINT>(std::strtoul(argv[1], nullptr, 10));
    const CodePage* codePage = nullptr;
    for (const CodePage& c : codePages) {
        codePage = c.number == wanted ? &c : codePage;
    }
    if (codePage == nullptr) {
        std::fprintf(stderr, "code page %s is not one of ours\n", argv[1]);
        return 2;
    }
    // One sequence per line, as printed below ("81 30"); '#' starts a comment.
    std::set<std::string> known;
    std::ifstream list(argv[2]);
    if (!list) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
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

    const bool listedUnsupported = known.erase("unsupported") != 0;
    if (!::IsValidCodePage(codePage->number) || listedUnsupported) {
        const bool has = ::IsValidCodePage(codePage->number) != 0;
        std::printf("code page %u: the system %s it, and the list says it %s\n", codePage->number,
                    has ? "has" : "does not have", listedUnsupported ? "does not" : "does");
        return has != listedUnsupported ? 0 : 1;
    }

    // Sequences where the two readings keep the same characters and only cut the bad
    // bytes into a different number of U+FFFD are one known difference of rule, listed
    // as the line "rule: bad runs": counted, not listed one by one.
    const bool listedRule = known.erase("rule: bad runs") != 0;
    int ruleDifferences = 0;
    std::set<std::string> seen;
    int unexpected = 0;
    int sequences = 0;
    codePage->sequences([&](const std::string& sequence) {
        ++sequences;
        const std::string bytes = sequence + codePage->after;
        const std::u16string ours = lumio::DecodeAll(codePage->decoder, bytes);
        const std::u16string system = codePage->system(codePage->number, bytes);
        if (ours == system) {
            return;
        }
        if (listedRule && OneReplacementARun(ours) == OneReplacementARun(system)) {
            ++ruleDifferences;
            return;
        }
        const std::string key = DifferenceKey(sequence);
        seen.insert(key);
        const bool listed = known.count(key) != 0;
        unexpected += listed ? 0 : 1;
        std::printf("%s%s: ours %s, system %s\n", listed ? "known " : "NEW   ", key.c_str(),
                    Units(ours).c_str(), Units(system).c_str());
    });
    int gone = 0;
    for (const std::string& key : known) {
        if (seen.count(key) == 0) {
            std::printf("GONE  %s: listed, but both decode it alike now\n", key.c_str());
            ++gone;
        }
    }
    if (listedRule) {
        std::printf("%d sequences whose bad bytes the two cut into runs differently%s\n",
                    ruleDifferences, ruleDifferences == 0 ? ": the rule is listed, but gone" : "");
        gone += ruleDifferences == 0 ? 1 : 0;
    }
    std::printf("code page %u: %d sequences, %zu disagreements (%d not listed), %d listed ones "
                "gone\n",
                codePage->number, sequences, seen.size(), unexpected, gone);
    return unexpected == 0 && gone == 0 ? 0 : 1;
}
