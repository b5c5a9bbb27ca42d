#include "reader/memory_file.h"

#include "platform/hex.h"
#include "platform/utf.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <unordered_set>

namespace lumio {

namespace {

constexpr char kSeparator = '\t';
constexpr std::size_t kMaxNumberDigits = 10; // 2147483647

// Bytes of a name written as %HH: the escape itself, the separator, line ends and other
// control characters (and, below, bytes that are not UTF-8). Everything else, the
// backslashes of a Windows path included, stands as it is.
constexpr char kEscape = '%';

void AppendHexEscape(std::uint8_t byte, std::string& out) {
    constexpr char kDigits[] = "0123456789ABCDEF";
    out += kEscape;
    out += kDigits[byte >> 4];
    out += kDigits[byte & 0xF];
}

void AppendEscapedByte(char byte, std::string& out) {
    const auto b = static_cast<std::uint8_t>(byte);
    if (byte == kEscape || b < 0x20 || b == 0x7F) {
        AppendHexEscape(b, out);
    } else {
        out += byte;
    }
}

// The path's file-name bytes, with the bytes that are not UTF-8 (carried as U+DC80 to
// U+DCFF, see PathFromNative) and the unsafe ones escaped.
void AppendEscapedPath(std::u16string_view path, std::string& out) {
    std::size_t plain = 0; // start of the run not yet written
    const auto flush = [&](std::size_t end) {
        for (char byte : PathToNative(path.substr(plain, end - plain))) {
            AppendEscapedByte(byte, out);
        }
    };
    for (std::size_t i = 0; i < path.size(); ++i) {
        const char16_t u = path[i];
        const bool paired =
            u >= 0xDC00 && u <= 0xDFFF && i > 0 && path[i - 1] >= 0xD800 && path[i - 1] <= 0xDBFF;
        if (u >= 0xDC80 && u <= 0xDCFF && !paired) {
            flush(i);
            AppendHexEscape(static_cast<std::uint8_t>(u - 0xDC00), out);
            plain = i + 1;
        }
    }
    flush(path.size());
}

std::optional<std::u16string> UnescapedPath(std::string_view text) {
    if (text.empty() || !FromUtf8Strict(text)) {
        return std::nullopt;
    }
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (static_cast<std::uint8_t>(c) < 0x20 || c == 0x7F) {
            return std::nullopt; // the writer escapes these
        }
        if (c != kEscape) {
            bytes += c;
            continue;
        }
        const std::optional<std::uint32_t> value = ParseHexDigits(text.substr(i + 1), 2);
        if (!value || *value == 0) {
            return std::nullopt; // no file name holds a NUL
        }
        bytes += static_cast<char>(*value);
        i += 2;
    }
    return PathFromNative(bytes);
}

// A decimal number as the writer writes it: digits only, no sign, no leading zero.
std::optional<std::int32_t> ParseCount(std::string_view text) {
    if (text.empty() || text.size() > kMaxNumberDigits || (text.size() > 1 && text[0] == '0')) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 0 ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::optional<Place> ParseLine(std::string_view line) {
    const std::size_t first = line.find(kSeparator);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    const std::size_t second = line.find(kSeparator, first + 1);
    if (second == std::string_view::npos) {
        return std::nullopt;
    }
    const std::optional<std::int32_t> position = ParseCount(line.substr(0, first));
    const std::optional<std::int32_t> length =
        ParseCount(line.substr(first + 1, second - first - 1));
    std::optional<std::u16string> path = UnescapedPath(line.substr(second + 1));
    if (!position || !length || !path || *position > *length) {
        return std::nullopt;
    }
    return Place{std::move(*path), *position, *length};
}

} // namespace

MemoryFileContents ParseMemoryFile(std::string_view bytes) {
    MemoryFileContents contents;
    if (bytes.empty()) {
        return contents; // a memory not yet written to
    }
    const std::size_t headerEnd = bytes.find('\n');
    if (headerEnd == std::string_view::npos || bytes.substr(0, headerEnd) != kMemoryFileHeader) {
        contents.damaged = true;
        return contents;
    }
    std::unordered_set<std::u16string> seen; // a full memory's paths, compared once each
    std::size_t at = headerEnd + 1;
    while (at < bytes.size()) {
        const std::size_t end = bytes.find('\n', at);
        if (end == std::string_view::npos) {
            ++contents.skippedLines; // cut short
            break;
        }
        std::optional<Place> place = ParseLine(bytes.substr(at, end - at));
        at = end + 1;
        if (!place) {
            ++contents.skippedLines;
        } else if (contents.places.size() < kMaxPlaces && seen.insert(place->path).second) {
            contents.places.push_back(std::move(*place));
        }
    }
    return contents;
}

std::string FormatMemoryFile(const std::vector<Place>& places) {
    std::string out(kMemoryFileHeader);
    out += '\n';
    const std::size_t count = std::min(places.size(), kMaxPlaces);
    for (std::size_t i = 0; i < count; ++i) {
        const Place& p = places[i];
        out += std::to_string(p.position);
        out += kSeparator;
        out += std::to_string(p.length);
        out += kSeparator;
        AppendEscapedPath(p.path, out);
        out += '\n';
    }
    return out;
}

void PutFirst(std::vector<Place>& places, Place place) {
    std::erase_if(places, [&](const Place& p) { return p.path == place.path; });
    places.insert(places.begin(), std::move(place));
    if (places.size() > kMaxPlaces) {
        places.resize(kMaxPlaces);
    }
}

} // namespace lumio
