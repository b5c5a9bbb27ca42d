// cp936_table: asks the C library's converters for every sequence of the table-driven
// encodings and prints the tables their decoders read:
//
//     build/tools/cp936_table         > src/platform/cp936_table.cpp
//     build/tools/cp936_table cp950   > src/platform/cp950_table.cpp
//     build/tools/cp936_table gb18030 > src/platform/gb18030_table.cpp
//
// The decoders themselves never call a converter (the Windows build has none), so the
// tables must be the converter's answers, not a hand-typed copy. The layout the decoders
// rely on is checked here and the program fails rather than print tables it breaks:
// lead bytes lie within the range the table's header names, no lead byte is a character
// on its own, bytes below 0x80 are ASCII, no pair yields U+0000 (the "no character"
// mark) and no one- or two-byte sequence yields more or less than one UTF-16 unit. For
// GB18030, whose one- and two-byte part is code page 936's with more pairs, every pair
// code page 936 defines must read the same, and the four-byte sequences are printed as
// runs of consecutive code points.
#include "platform/cp936_table.h"
#include "platform/cp950_table.h"
#include "platform/gb18030_table.h"

#include <bit>
#include <cstdint>
#include <cstdio>
#include <iconv.h>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace lumio;

// The one code point a sequence decodes to when the converter takes all of it as one
// character; nothing otherwise.
class Converter {
public:
    explicit Converter(const char* from)
        : cd_(iconv_open(std::endian::native == std::endian::little ? "UTF-32LE" : "UTF-32BE",
                         from)) {}
    ~Converter() {
        if (ok()) {
            iconv_close(cd_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    std::optional<char32_t> Decode(std::string bytes) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char32_t out[4] = {};
        char* in = bytes.data();
        std::size_t inLeft = bytes.size();
        char* outPtr = reinterpret_cast<char*>(out);
        std::size_t outLeft = sizeof out;
        if (iconv(cd_, &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) ||
            inLeft != 0 || sizeof out - outLeft != sizeof(char32_t)) {
            return std::nullopt;
        }
        return out[0];
    }

    // The same, for sequences that must give one UTF-16 unit.
    std::optional<char16_t> DecodeUnit(std::string bytes) {
        const auto c = Decode(std::move(bytes));
        if (!c || *c > 0xFFFF) {
            return std::nullopt;
        }
        return static_cast<char16_t>(*c);
    }

private:
    iconv_t cd_;
};

int Fail(const char* what, int byte, int trail = -1) {
    std::fprintf(stderr, "cp936_table: %s (byte 0x%02X", what, byte);
    if (trail >= 0) {
        std::fprintf(stderr, " 0x%02X", trail);
    }
    std::fprintf(stderr, ")\n");
    return 1;
}

std::string Pair(int lead, int trail) {
    return {static_cast<char>(lead), static_cast<char>(trail)};
}

// A double-byte code page as the decoder sees it: what each byte is alone, and what
// each lead byte of the header's range makes with each trail byte.
struct DoubleByteCode {
    int firstLead;
    int lastLead;
    char16_t single[256] = {};
    std::vector<char16_t> pairs; // [lead - firstLead][trail], kNoCharacter where none

    DoubleByteCode(int first, int last)
        : firstLead(first), lastLead(last), pairs(std::size_t(last - first + 1) * 256) {}

    bool IsLead(int byte) const { return byte >= firstLead && byte <= lastLead; }
    char16_t& At(int lead, int trail) { return pairs[std::size_t(lead - firstLead) * 256 + trail]; }
};

constexpr char16_t kNoCharacter = 0;
constexpr char16_t kReplacement = u'\uFFFD';

// What each byte is on its own, into `single`: false (and a message) where that breaks
// the decoder's layout.
bool ReadSingles(Converter& converter, const DoubleByteCode& code, char16_t* single) {
    for (int b = 0; b < 256; ++b) {
        const auto c = converter.DecodeUnit(std::string(1, static_cast<char>(b)));
        if (code.IsLead(b) && c) {
            Fail("a lead byte is a character on its own", b);
            return false;
        }
        // A byte that starts no character decodes to U+FFFD, and so does a lead byte
        // with no trail after it.
        single[b] = c.value_or(kReplacement);
        if (b < 0x80 && single[b] != b) {
            Fail("a byte below 0x80 is not its ASCII character", b);
            return false;
        }
    }
    return true;
}

// Asks `converter` for every byte and pair. `everyLeadPairs`: each byte of the lead range
// must start some pair.
std::optional<DoubleByteCode> ReadDoubleByteCode(Converter& converter, int firstLead, int lastLead,
                                                 bool everyLeadPairs) {
    DoubleByteCode code(firstLead, lastLead);
    if (!ReadSingles(converter, code, code.single)) {
        return std::nullopt;
    }
    for (int b = 0; b < 256; ++b) {
        bool leads = false;
        for (int t = 0; t < 256; ++t) {
            const std::string pair = Pair(b, t);
            const auto c = converter.DecodeUnit(pair);
            // A pair the converter reads as two single-byte characters is no pair.
            if (!c) {
                if (converter.Decode(pair)) {
                    Fail("a pair decodes to a character beyond one UTF-16 unit", b, t);
                    return std::nullopt;
                }
                continue;
            }
            if (*c == kNoCharacter) {
                Fail("a pair decodes to U+0000", b, t);
                return std::nullopt;
            }
            if (!code.IsLead(b)) {
                Fail("a byte outside the lead range starts a pair", b, t);
                return std::nullopt;
            }
            code.At(b, t) = *c;
            leads = true;
        }
        if (everyLeadPairs && code.IsLead(b) && !leads) {
            Fail("a byte of the lead range starts no pair", b);
            return std::nullopt;
        }
    }
    return code;
}

void PrintHeader(const char* converter, const char* argument, const char* name) {
    std::printf("// Generated by tools/cp936_table from the C library's %s converter; do "
                "not edit.\n"
                "// Regenerate: build/tools/cp936_table%s > src/platform/%s_table.cpp\n"
                "#include \"platform/%s_table.h\"\n\n"
                "namespace lumio {\n\n"
                "// clang-format off\n",
                converter, argument, name, name);
}

void PrintSingle(const char* symbol, const char16_t* single) {
    std::printf("const char16_t %s[256] = {\n", symbol);
    for (int b = 0; b < 256; b += 8) {
        std::printf("   ");
        for (int i = b; i < b + 8; ++i) {
            std::printf(" 0x%04X,", static_cast<unsigned>(single[i]));
        }
        std::printf("\n");
    }
    std::printf("};\n\n");
}

void PrintPairs(const char* symbol, const char* count, DoubleByteCode& code) {
    std::printf("const char16_t %s[%s][256] = {\n", symbol, count);
    for (int lead = code.firstLead; lead <= code.lastLead; ++lead) {
        std::printf("    { // 0x%02X\n", lead);
        for (int t = 0; t < 256; t += 16) {
            std::printf("       ");
            for (int i = t; i < t + 16; ++i) {
                std::printf(" 0x%04X,", static_cast<unsigned>(code.At(lead, i)));
            }
            std::printf("\n");
        }
        std::printf("    },\n");
    }
    std::printf("};\n");
}

void PrintFooter() {
    std::printf("// clang-format on\n\n} // namespace lumio\n");
}

int PrintCp936() {
    Converter converter("CP936");
    if (!converter.ok()) {
        std::fprintf(stderr, "cp936_table: the C library offers no CP936 conversion\n");
        return 1;
    }
    auto code = ReadDoubleByteCode(converter, kCp936FirstLead, kCp936LastLead, true);
    if (!code) {
        return 1;
    }
    PrintHeader("CP936", "", "cp936");
    PrintSingle("kCp936SingleByte", code->single);
    PrintPairs("kCp936DoubleByte", "kCp936LeadCount", *code);
    PrintFooter();
    return 0;
}

int PrintCp950() {
    Converter converter("CP950");
    if (!converter.ok()) {
        std::fprintf(stderr, "cp936_table: the C library offers no CP950 conversion\n");
        return 1;
    }
    auto code = ReadDoubleByteCode(converter, kCp950FirstLead, kCp950LastLead, true);
    if (!code) {
        return 1;
    }
    PrintHeader("CP950", " cp950", "cp950");
    PrintSingle("kCp950SingleByte", code->single);
    PrintPairs("kCp950DoubleByte", "kCp950LeadCount", *code);
    PrintFooter();
    return 0;
}

// The four bytes of index `index` of GB18030's four-byte space.
std::string FourBytes(std::uint32_t index) {
    const auto digit = [](std::uint32_t v) { return static_cast<char>(0x30 + v); };
    const auto lead = [](std::uint32_t v) { return static_cast<char>(0x81 + v); };
    return {lead(index / 12600), digit(index / 1260 % 10), lead(index / 10 % 126),
            digit(index % 10)};
}

int PrintGb18030() {
    Converter gb18030("GB18030");
    Converter cp936("CP936");
    if (!gb18030.ok() || !cp936.ok()) {
        std::fprintf(stderr, "cp936_table: the C library offers no GB18030 or CP936 conversion\n");
        return 1;
    }
    DoubleByteCode code(kCp936FirstLead, kCp936LastLead);
    if (!ReadSingles(gb18030, code, code.single)) {
        return 1;
    }
    // The pairs beyond code page 936's, which the decoder looks up only where code page
    // 936 has none. A few of them are characters beyond U+FFFF.
    std::vector<std::pair<unsigned, char32_t>> extra;
    for (int lead = 0x80; lead < 256; ++lead) {
        for (int t = 0; t < 256; ++t) {
            const std::string pair = Pair(lead, t);
            const auto ours = cp936.Decode(pair);
            const auto theirs = gb18030.Decode(pair);
            if (theirs && !code.IsLead(lead)) {
                if (!gb18030.Decode(pair.substr(0, 1))) {
                    return Fail("a byte outside the lead range starts a pair", lead, t);
                }
                continue; // two characters of their own
            }
            if (ours && ours != theirs) {
                return Fail("GB18030 reads a pair of code page 936 differently", lead, t);
            }
            if (!ours && theirs) {
                if (*theirs == 0) {
                    return Fail("a pair decodes to U+0000", lead, t);
                }
                extra.emplace_back(unsigned(lead) << 8 | unsigned(t), *theirs);
            }
        }
    }
    // The four-byte sequences, in order of their index, as runs of consecutive code
    // points; a run of code point 0 is of sequences that are no character.
    std::vector<std::pair<std::uint32_t, char32_t>> runs;
    char32_t previous = 0;
    for (std::uint32_t index = 0; index < kGb18030FourByteCount; ++index) {
        const char32_t c = gb18030.Decode(FourBytes(index)).value_or(0);
        const char32_t expected = previous == 0 ? 0 : previous + 1;
        if (runs.empty() || c != expected) {
            runs.emplace_back(index, c);
        }
        previous = c;
    }
    PrintHeader("GB18030", " gb18030", "gb18030");
    PrintSingle("kGb18030SingleByte", code.single);
    std::printf("const Gb18030Pair kGb18030ExtraPairs[kGb18030ExtraPairCount] = {\n");
    for (const auto& [bytes, unit] : extra) {
        std::printf("    {0x%04X, 0x%04X},\n", bytes, static_cast<unsigned>(unit));
    }
    std::printf("};\n\nconst Gb18030Run kGb18030FourByteRuns[kGb18030FourByteRunCount] = {\n");
    for (const auto& [index, c] : runs) {
        std::printf("    {%u, 0x%04X},\n", index, static_cast<unsigned>(c));
    }
    std::printf("};\n");
    PrintFooter();
    if (extra.size() != kGb18030ExtraPairCount || runs.size() != kGb18030FourByteRunCount) {
        std::fprintf(stderr,
                     "cp936_table: %zu extra pairs and %zu four-byte runs: set "
                     "kGb18030ExtraPairCount and kGb18030FourByteRunCount in "
                     "src/platform/gb18030_table.h to these\n",
                     extra.size(), runs.size());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string_view which = argc > 1 ? argv[1] : "cp936";
    if (argc > 2 || (which != "cp936" && which != "cp950" && which != "gb18030")) {
        std::fprintf(stderr, "usage: cp936_table [cp936|cp950|gb18030]\n");
        return 2;
    }
    return which == "cp936" ? PrintCp936() : which == "cp950" ? PrintCp950() : PrintGb18030();
}
