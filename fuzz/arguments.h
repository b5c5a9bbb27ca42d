#pragma once

// A command line from fuzz input: arguments separated by NUL bytes, at most 16 of them.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lumio::fuzz {

inline std::vector<std::string> SplitArguments(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t i = 0; i < size && args.size() <= 16; ++i) {
        if (data[i] == 0) {
            args.emplace_back();
        } else {
            args.back().push_back(static_cast<char>(data[i]));
        }
    }
    return args;
}

} // namespace lumio::fuzz
