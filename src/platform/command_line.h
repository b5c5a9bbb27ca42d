#pragma once

#include <charconv>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumio {

// The command lines of our tools: flags, each given at most once, some taking the next
// argument as their value.

// A decimal whole number from lo to hi, the whole text and nothing else.
inline std::optional<std::int32_t> ParseInt32(std::string_view text, std::int32_t lo,
                                              std::int32_t hi) {
    std::int32_t v = 0;
    const auto r = std::from_chars(text.data(), text.data() + text.size(), v);
    if (text.empty() || r.ec != std::errc() || r.ptr != text.data() + text.size() || v < lo ||
        v > hi) {
        return std::nullopt;
    }
    return v;
}

struct PixelSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// "WxH", each from 1 to `most` pixels.
inline std::optional<PixelSize> ParsePixelSize(std::string_view text, std::int32_t most) {
    const std::size_t x = text.find('x');
    if (x == std::string_view::npos) {
        return std::nullopt;
    }
    const auto w = ParseInt32(text.substr(0, x), 1, most);
    const auto h = ParseInt32(text.substr(x + 1), 1, most);
    if (!w || !h) {
        return std::nullopt;
    }
    return PixelSize{*w, *h};
}

template <typename Options>
struct CommandFlag {
    const char* name;
    bool takesValue;
    // False when the value (or, for a flag without one, the flag itself) is refused.
    std::function<bool(Options&, const std::string&)> apply;
};

// A flag whose value is a whole number from lo to hi, kept in `field` (0 when refused).
template <typename Options>
CommandFlag<Options> Int32Flag(const char* name, std::int32_t Options::*field, std::int32_t lo,
                               std::int32_t hi) {
    return {name, true, [field, lo, hi](Options& o, const std::string& v) {
                const auto n = ParseInt32(v, lo, hi);
                o.*field = n.value_or(0);
                return n.has_value();
            }};
}

// A "WxH" flag, each side from 1 to `most`, kept in `width` and `height` (0 when refused).
template <typename Options>
CommandFlag<Options> PixelSizeFlag(const char* name, std::int32_t Options::*width,
                                   std::int32_t Options::*height, std::int32_t most) {
    return {name, true, [width, height, most](Options& o, const std::string& v) {
                const auto size = ParsePixelSize(v, most);
                o.*width = size ? size->width : 0;
                o.*height = size ? size->height : 0;
                return size.has_value();
            }};
}

// Applies `args` to `options`; answers why they are refused, or nothing. `seen` gets the
// flags given, in order.
template <typename Options>
std::optional<std::string> ApplyFlags(const std::vector<CommandFlag<Options>>& flags,
                                      const std::vector<std::string>& args, Options& options,
                                      std::vector<std::string>& seen) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const CommandFlag<Options>* flag = nullptr;
        for (const CommandFlag<Options>& f : flags) {
            if (arg == f.name) {
                flag = &f;
            }
        }
        if (flag == nullptr) {
            return "unknown argument: " + arg;
        }
        for (const std::string& s : seen) {
            if (s == arg) {
                return arg + " given twice";
            }
        }
        seen.push_back(arg);
        std::string value;
        if (flag->takesValue) {
            if (i + 1 >= args.size()) {
                return arg + " needs a value";
            }
            value = args[++i];
        }
        if (!flag->apply(options, value)) {
            return flag->takesValue ? "bad value for " + arg + ": " + value
                                    : arg + " conflicts with another option";
        }
    }
    return std::nullopt;
}

} // namespace lumio
