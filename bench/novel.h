#pragma once

// A generated novel-like GBK text file shared by the reader benchmarks: chapters with a
// title and a blank line, paragraphs indented with two ideographic spaces, CRLF line
// ends, mostly double-byte characters with some ASCII (numbers, names) and punctuation.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace lumio::bench {

inline constexpr std::uint64_t kNovelBytes = 100ull << 20;

inline std::string GenerateNovel(std::uint64_t bytes) {
    std::string text;
    text.reserve(bytes + 4096);
    std::uint64_t state = 0x9E3779B97F4A7C15ull;
    const auto next = [&](std::uint32_t bound) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<std::uint32_t>(state % bound);
    };
    static const char* const kPunctuation[] = {"\xa3\xac", "\xa1\xa3", "\xa3\xba", "\xa3\xbf",
                                               "\xa1\xb0", "\xa1\xb1", "\xa3\xa1", "\xa1\xa2"};
    static const char* const kAscii[] = {"2024", "Lumio", "A", "OK", "3.14", "Li Wei", "CPU"};
    int chapter = 0;
    while (text.size() < bytes) {
        text += "\xb5\xda" + std::to_string(++chapter) + "\xd5\xc2\r\n\r\n"; // 第N章
        const std::uint32_t paragraphs = 20 + next(20);
        for (std::uint32_t p = 0; p < paragraphs && text.size() < bytes; ++p) {
            text += "\xa1\xa1\xa1\xa1";
            const std::uint32_t length = 40 + next(300);
            for (std::uint32_t i = 0; i < length; ++i) {
                const std::uint32_t roll = next(100);
                if (roll < 8) {
                    text += kPunctuation[next(8)];
                } else if (roll < 11) {
                    text += kAscii[next(7)];
                } else {
                    // GB2312 level-1 hanzi: every byte pair here is a character.
                    text += static_cast<char>(0xB0 + next(40));
                    text += static_cast<char>(0xA1 + next(89));
                }
            }
            text += "\xa1\xa3\r\n";
        }
    }
    return text;
}

// Mostly-ASCII English prose with CRLF line ends, a curly quote now and then as GBK.
inline std::string GenerateEnglish(std::uint64_t bytes) {
    std::string text;
    text.reserve(bytes + 4096);
    std::uint64_t state = 0x2545F4914F6CDD1Dull;
    const auto next = [&](std::uint32_t bound) {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return static_cast<std::uint32_t>(state % bound);
    };
    static const char* const kWords[] = {
        "the",   "reader", "of",    "a",  "long", "novel", "turned", "page",  "and",     "night",
        "river", "was",    "quiet", "to", "in",   "she",   "said",   "light", "through", "window"};
    while (text.size() < bytes) {
        text += "    ";
        const std::uint32_t words = 8 + next(14);
        for (std::uint32_t w = 0; w < words; ++w) {
            if (w != 0) {
                text += ' ';
            }
            text += next(50) == 0 ? "\xa1\xb0" : "";
            text += kWords[next(20)];
        }
        text += ".\r\n";
    }
    return text;
}

// The path of the benchmark novel, written once and reused while its size matches.
inline std::string NovelPath() {
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / "lumio-bench-novel.txt";
    std::error_code error;
    if (std::filesystem::file_size(path, error) < kNovelBytes || error) {
        const std::string text = GenerateNovel(kNovelBytes);
        std::FILE* file = std::fopen(path.c_str(), "wb");
        if (file != nullptr) {
            std::fwrite(text.data(), 1, text.size(), file);
            std::fclose(file);
        }
    }
    return path.string();
}

} // namespace lumio::bench
