// bench_write_text novel|english BYTES PATH: writes a generated text for the
// whole-process benchmarks (load_vs_iconv.sh).

#include "novel.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: bench_write_text novel|english BYTES PATH\n");
        return 2;
    }
    const std::string_view kind = argv[1];
    const std::uint64_t bytes = std::strtoull(argv[2], nullptr, 10);
    // Written in pieces so that a gigabyte file does not need a gigabyte of memory; the
    // 100 MiB novel is one piece, the very file of bench_reader_load.
    constexpr std::uint64_t kPiece = 128ull << 20; // the 100 MiB novel in one piece
    std::FILE* file = std::fopen(argv[3], "wb");
    if (file == nullptr || (kind != "novel" && kind != "english")) {
        std::fprintf(stderr, "bench_write_text: cannot write %s %s\n", argv[1], argv[3]);
        return 1;
    }
    for (std::uint64_t written = 0; written < bytes;) {
        const std::uint64_t want = std::min(kPiece, bytes - written);
        const std::string text = kind == "novel" ? lumio::bench::GenerateNovel(want)
                                                 : lumio::bench::GenerateEnglish(want);
        std::fwrite(text.data(), 1, text.size(), file);
        written += text.size();
    }
    return std::fclose(file) == 0 ? 0 : 1;
}
