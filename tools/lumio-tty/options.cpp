#include "options.h"

#include "platform/utf.h"
#include "reader/viewer_menu.h"

#include <charconv>
#include <cstdint>

namespace lumio::tty {

const std::string_view kUsage =
    "usage: lumio-tty [--speed V] [--start V] [--at PERCENT | --chapter N] [--trace N]\n"
    "                 [--no-memory] [--encoding NAME] FILE\n"
    "       lumio-tty --chapters [--encoding NAME] FILE\n"
    "  --speed V      move the speed slider to V (0 slowest .. 10 fastest) after the load\n"
    "  --start V      then move the start-point slider to V (0 .. 10)\n"
    "  --at PERCENT   after the load, before the sliders, go to PERCENT of the document\n"
    "                 (0 .. 100, one decimal, such as 37.5)\n"
    "  --chapter N    after the load, before the sliders, go to chapter N (from 1)\n"
    "  --chapters     print the chapters of FILE, one JSON line each, and exit\n"
    "  --trace N      run up to N ticks at once and print each as a JSON line\n"
    "                 (never reads or writes the reading memory)\n"
    "  --no-memory    neither resume where FILE stopped nor remember where it stops\n"
    "  --encoding NAME  read FILE as NAME: auto (the default: a byte-order mark, else\n"
    "                 UTF-8 if it reads as UTF-8, else GBK with GB18030's four-byte\n"
    "                 characters), gbk, gb18030, utf-8, utf-16le, utf-16be, big5\n"
    "keys: space start/pause, p pause, s stop, + faster, - slower, q quit\n";

namespace {

template <typename T>
std::optional<T> ParseNumber(std::string_view text, T min, T max) {
    T value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < min || value > max) {
        return std::nullopt;
    }
    return value;
}

} // namespace

std::string Parse(int argc, const char* const* argv, Options& options) {
    bool haveFile = false;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!optionsEnded && arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (!optionsEnded && (arg == "-h" || arg == "--help")) {
            options.help = true;
            return "";
        }
        if (!optionsEnded && arg == "--no-memory") {
            options.noMemory = true;
            continue;
        }
        if (!optionsEnded && arg == "--chapters") {
            options.listChapters = true;
            continue;
        }
        if (!optionsEnded && (arg == "--at" || arg == "--chapter")) {
            if (i + 1 >= argc) {
                return std::string(arg) + " needs a value";
            }
            const std::string_view value = argv[++i];
            if (arg == "--at") {
                options.atTenths = ParsePercent(FromUtf8(value));
                if (!options.atTenths) {
                    return "--at wants a percentage from 0 to 100 with at most one decimal, not '" +
                           std::string(value) + "'";
                }
            } else {
                options.chapter = ParseNumber<std::int32_t>(value, 1, INT32_MAX);
                if (!options.chapter) {
                    return "--chapter wants a chapter number from 1, not '" + std::string(value) +
                           "'";
                }
            }
            if (options.atTenths && options.chapter) {
                return "--at and --chapter cannot go together";
            }
            continue;
        }
        if (!optionsEnded && arg == "--encoding") {
            if (i + 1 >= argc) {
                return "--encoding needs a value";
            }
            const std::string_view name = argv[++i];
            const std::optional<TextEncoding> encoding = EncodingNamed(name);
            if (!encoding) {
                return "unknown encoding '" + std::string(name) + "' (one of " + EncodingNames() +
                       ")";
            }
            options.encoding = *encoding;
            continue;
        }
        if (!optionsEnded && (arg == "--speed" || arg == "--start" || arg == "--trace")) {
            if (i + 1 >= argc) {
                return std::string(arg) + " needs a value";
            }
            const std::string_view value = argv[++i];
            bool ok = false;
            if (arg == "--trace") {
                options.trace = ParseNumber<std::uint64_t>(value, 0, UINT64_MAX);
                ok = options.trace.has_value();
            } else {
                auto& slot = arg == "--speed" ? options.speed : options.start;
                slot = ParseNumber<std::int32_t>(value, 0, 10);
                ok = slot.has_value();
            }
            if (!ok) {
                return std::string(arg) + " wants a whole number" +
                       (arg == "--trace" ? "" : " from 0 to 10") + ", not '" + std::string(value) +
                       "'";
            }
            continue;
        }
        if (!optionsEnded && arg.size() > 1 && arg.front() == '-') {
            return "unknown option " + std::string(arg);
        }
        if (haveFile) {
            return "only one FILE, please";
        }
        options.file = arg;
        options.fileAt = i;
        haveFile = true;
    }
    return haveFile ? "" : "FILE is missing";
}

} // namespace lumio::tty
