// bench_write_text KIND BYTES PATH: writes a generated text for the whole-process
// benchmarks (load_vs_iconv.sh). KIND is novel or english (GBK, as a GBK reader's files
// are), novel-utf8, novel-utf16le (with its byte-order mark, as Windows writes it),
// novel-gb18030 (the GBK novel with one character in fifty beyond GBK, in GB18030's
// four-byte form) or english-utf8 (mostly ASCII). The encoded texts are written until
// they are BYTES long in their own encoding, to the end of that line.

#include "novel.h"
#include "platform/cp936.h"
#include "platform/gb18030.h"
#include "platform/utf.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string_view>

namespace {

using namespace lumio;

std::string Utf16Le(std::u16string_view text) {
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (const char16_t u : text) {
        bytes += static_cast<char>(u & 0xFF);
        bytes += static_cast<char>(u >> 8);
    }
    return bytes;
}

// The GBK novel with every fiftieth hanzi pair replaced by a four-byte sequence of
// GB18030: CJK extension A (in the plane of the others) or B (beyond U+FFFF).
std::string WithFourByteCharacters(const std::string& gbk) {
    std::string out;
    out.reserve(gbk.size() + gbk.size() / 40);
    std::uint64_t state = 0x853C49E6748FEA9Bull;
    const auto next = [&](std::uint32_t bound) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<std::uint32_t>(state % bound);
    };
    int pairs = 0;
    for (std::size_t i = 0; i < gbk.size(); ++i) {
        const auto b = static_cast<unsigned char>(gbk[i]);
        if (b < 0xB0 || i + 1 == gbk.size() || ++pairs % 50 != 0) {
            out += gbk[i];
            if (b >= 0x81 && i + 1 < gbk.size()) {
                out += gbk[++i];
            }
            continue;
        }
        ++i; // the pair's trail: replaced with the lead
        for (;;) {
            // Extension A starts at index 12439 (81 39 EE 39); B at 189000 + 0x10000.
            const std::uint32_t index =
                next(2) == 0 ? 12439 + next(6582) : 189000 + 0x10000 + next(0xA6D7);
            const unsigned char four[4] = {static_cast<unsigned char>(0x81 + index / 12600),
                                           static_cast<unsigned char>(0x30 + index / 1260 % 10),
                                           static_cast<unsigned char>(0x81 + index / 10 % 126),
                                           static_cast<unsigned char>(0x30 + index % 10)};
            if (Gb18030FourByte(four) != 0) {
                out.append(reinterpret_cast<const char*>(four), 4);
                break;
            }
        }
    }
    return out;
}

// A piece of text of `kind`, about `bytes` long in GBK, in its own encoding.
std::string Piece(std::string_view kind, std::uint64_t bytes) {
    const bool novel = kind.starts_with("novel");
    const std::string gbk = novel ? bench::GenerateNovel(bytes) : bench::GenerateEnglish(bytes);
    if (kind == "novel" || kind == "english") {
        return gbk;
    }
    if (kind == "novel-gb18030") {
        return WithFourByteCharacters(gbk);
    }
    const std::u16string text = DecodeCp936(gbk);
    return kind == "novel-utf16le" ? Utf16Le(text) : ToUtf8(text);
}

} // namespace

int main(int argc, char** argv) {
    const std::string_view kinds[] = {"novel",         "english",       "novel-utf8",
                                      "novel-utf16le", "novel-gb18030", "english-utf8"};
    const std::string_view kind = argc == 4 ? argv[1] : "";
    if (std::find(std::begin(kinds), std::end(kinds), kind) == std::end(kinds)) {
        std::fprintf(stderr, "usage: bench_write_text novel|english|novel-utf8|novel-utf16le|"
                             "novel-gb18030|english-utf8 BYTES PATH\n");
        return 2;
    }
    const std::uint64_t bytes = std::strtoull(argv[2], nullptr, 10);
    std::FILE* file = std::fopen(argv[3], "wb");
    if (file == nullptr) {
        std::fprintf(stderr, "bench_write_text: cannot write %s\n", argv[3]);
        return 1;
    }
    // Written in pieces so that a gigabyte file does not need a gigabyte of memory; the
    // 100 MiB GBK novel is one piece, the very file of bench_reader_load.
    constexpr std::uint64_t kPiece = 128ull << 20;
    const bool gbk = kind == "novel" || kind == "english";
    std::uint64_t written = 0;
    if (kind == "novel-utf16le") {
        written += std::fwrite("\xFF\xFE", 1, 2, file);
    }
    while (written < bytes) {
        // Encoded texts grow from their GBK: smaller pieces, cut to the size asked for.
        const std::uint64_t want = std::min(gbk ? kPiece : kPiece / 4, bytes - written);
        std::string text = Piece(kind, want);
        if (!gbk) {
            // Ends with the line that reaches the size, so that no character is cut off.
            const std::string lineEnd =
                kind == "novel-utf16le" ? std::string("\r\0\n\0", 4) : "\r\n";
            std::size_t end = text.find(lineEnd, bytes - written);
            while (end != std::string::npos && end % 2 != 0 && kind == "novel-utf16le") {
                end = text.find(lineEnd, end + 1);
            }
            if (end != std::string::npos) {
                text.resize(end + lineEnd.size());
            }
        }
        written += std::fwrite(text.data(), 1, text.size(), file);
    }
    return std::fclose(file) == 0 ? 0 : 1;
}
