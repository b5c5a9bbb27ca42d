#pragma once

#include "platform/text_encoding.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumio::tty {

extern const std::string_view kUsage;

// What one run of lumio-tty does, as given on its command line.
struct Options {
    std::optional<std::int32_t> speed;
    std::optional<std::int32_t> start;
    std::optional<std::uint64_t> trace;
    std::optional<std::int32_t> atTenths; // --at: a percentage, in tenths of a percent
    std::optional<std::int32_t> chapter;  // --chapter: from 1, as --chapters numbers them
    bool listChapters = false;            // --chapters: print the chapter list instead
    bool noMemory = false;
    TextEncoding encoding = TextEncoding::Auto;
    std::string file;
    // Where FILE stood in argv, so a system that hands the arguments over as UTF-16 can
    // take the name as it gave it (a lone surrogate does not survive UTF-8).
    int fileAt = 0;
    bool help = false;
};

// Reads argv[1..argc-1] into `options`; returns an error text, or "" when the arguments
// are fine (or help was asked for).
std::string Parse(int argc, const char* const* argv, Options& options);

} // namespace lumio::tty
