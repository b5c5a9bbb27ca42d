#pragma once

#include <string_view>

namespace lumio {

// The line-oriented text files we read ourselves (persisted property sets, form files).

// A line without its surrounding blanks (spaces, tabs, a CR from CRLF files).
constexpr std::string_view TrimLine(std::string_view s) {
    constexpr std::string_view kBlanks = " \t\r";
    const std::size_t first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return s.substr(first, s.find_last_not_of(kBlanks) - first + 1);
}

// Calls visit(line, number) for every line of `text` that holds something: trimmed,
// neither blank nor a `#` comment. The first line of `text` is number `firstLine`.
// Returns the number of the last line read (firstLine - 1 for an empty text).
template <typename Visit>
int ForEachContentLine(std::string_view text, int firstLine, Visit visit) {
    int number = firstLine;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = TrimLine(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.front() != '#') {
            visit(line, number);
        }
        ++number;
    }
    return number - 1;
}

} // namespace lumio
