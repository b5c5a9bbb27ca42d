#include "script_line.h"

#include "platform/text_lines.h"
#include "platform/utf.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace lumio::qxinput {

namespace {

enum class Kind {
    Int16,  // a button, shift or key code
    Number, // a coordinate in pixels
    WParam, // all 32 bits, signed or not
    Int32,
    Boolean,
    Where, // self or other
};

struct Parameter {
    const char* name;
    Kind kind;
};

struct Entry {
    const char* words; // one word, or "set Property"
    Verb verb;
    std::vector<Parameter> parameters;
};

const std::vector<Entry>& Entries() {
    static const std::vector<Entry> entries = {
        {"MouseDown",
         Verb::MouseDown,
         {{"B", Kind::Int16}, {"S", Kind::Int16}, {"X", Kind::Number}, {"Y", Kind::Number}}},
        {"MouseMove",
         Verb::MouseMove,
         {{"B", Kind::Int16}, {"S", Kind::Int16}, {"X", Kind::Number}, {"Y", Kind::Number}}},
        {"MouseUp",
         Verb::MouseUp,
         {{"B", Kind::Int16}, {"S", Kind::Int16}, {"X", Kind::Number}, {"Y", Kind::Number}}},
        {"DblClick", Verb::DblClick, {}},
        {"KeyDown", Verb::KeyDown, {{"K", Kind::Int16}, {"S", Kind::Int16}}},
        {"KeyUp", Verb::KeyUp, {{"K", Kind::Int16}, {"S", Kind::Int16}}},
        {"AccessKeyPress", Verb::AccessKeyPress, {{"K", Kind::Int16}}},
        {"GotFocus", Verb::GotFocus, {}},
        {"LostFocus", Verb::LostFocus, {}},
        {"cursor", Verb::Cursor, {{"WHERE", Kind::Where}}},
        {"WM_MOUSEMOVE", Verb::WmMouseMove, {}},
        {"WM_MOUSELEAVE", Verb::WmMouseLeave, {}},
        {"WM_ACTIVATE", Verb::WmActivate, {{"W", Kind::WParam}}},
        {"WM_NCACTIVATE", Verb::WmNcActivate, {{"W", Kind::WParam}}},
        {"set Value", Verb::SetValue, {{"V", Kind::Boolean}}},
        {"set CheckBoxMode", Verb::SetCheckBoxMode, {{"V", Kind::Boolean}}},
        {"set Enabled", Verb::SetEnabled, {{"V", Kind::Boolean}}},
        {"set ButtonStyle", Verb::SetButtonStyle, {{"N", Kind::Int32}}},
    };
    return entries;
}

std::vector<std::string_view> Words(std::string_view text) {
    constexpr std::string_view kBlanks = " \t";
    std::vector<std::string_view> words;
    while (true) {
        const std::size_t start = text.find_first_not_of(kBlanks);
        if (start == std::string_view::npos) {
            return words;
        }
        text.remove_prefix(start);
        const std::size_t end = std::min(text.find_first_of(kBlanks), text.size());
        words.push_back(text.substr(0, end));
        text.remove_prefix(end);
    }
}

std::optional<std::int64_t> ParseWhole(std::string_view word, int base = 10) {
    std::int64_t v = 0;
    const auto r = std::from_chars(word.data(), word.data() + word.size(), v, base);
    if (word.empty() || r.ec != std::errc() || r.ptr != word.data() + word.size()) {
        return std::nullopt;
    }
    return v;
}

std::optional<std::int32_t> InRange(std::optional<std::int64_t> v, std::int64_t lo,
                                    std::int64_t hi) {
    if (!v || *v < lo || *v > hi) {
        return std::nullopt;
    }
    // A wParam above the signed range keeps its 32 bits.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(*v));
}

// The argument, or nothing with `wanted` saying what would do.
std::optional<Argument> ParseArgument(Kind kind, std::string_view word, std::string& wanted) {
    Argument a;
    switch (kind) {
    case Kind::Int16: {
        wanted = "a whole number from -32768 to 32767";
        const auto v = InRange(ParseWhole(word), std::numeric_limits<std::int16_t>::min(),
                               std::numeric_limits<std::int16_t>::max());
        a.whole = v.value_or(0);
        return v ? std::optional(a) : std::nullopt;
    }
    case Kind::Int32: {
        wanted = "a 32-bit whole number";
        const auto v = InRange(ParseWhole(word), std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::int32_t>::max());
        a.whole = v.value_or(0);
        return v ? std::optional(a) : std::nullopt;
    }
    case Kind::WParam: {
        wanted = "a 32-bit whole number (decimal or 0x hexadecimal)";
        const bool hex = word.starts_with("0x") || word.starts_with("0X");
        const auto v = InRange(hex ? ParseWhole(word.substr(2), 16) : ParseWhole(word),
                               std::numeric_limits<std::int32_t>::min(),
                               std::numeric_limits<std::uint32_t>::max());
        a.whole = v.value_or(0);
        return v ? std::optional(a) : std::nullopt;
    }
    case Kind::Number: {
        wanted = "a finite number";
        float v = 0;
        const auto r = std::from_chars(word.data(), word.data() + word.size(), v,
                                       std::chars_format::fixed | std::chars_format::scientific);
        if (word.empty() || r.ec != std::errc() || r.ptr != word.data() + word.size() ||
            !std::isfinite(v)) {
            return std::nullopt;
        }
        a.number = v;
        return a;
    }
    case Kind::Boolean:
        wanted = "true or false";
        if (word != "true" && word != "false") {
            return std::nullopt;
        }
        a.whole = word == "true" ? 1 : 0;
        return a;
    case Kind::Where:
        wanted = "self or other";
        if (word != "self" && word != "other") {
            return std::nullopt;
        }
        a.whole = word == "self" ? 1 : 0;
        return a;
    }
    return std::nullopt;
}

ParsedLine Error(std::string message) {
    ParsedLine p;
    p.error = std::move(message);
    return p;
}

} // namespace

ParsedLine ParseScriptLine(std::string_view text) {
    const std::string_view line = TrimLine(text);
    if (line.empty() || line.front() == '#') {
        ParsedLine p;
        p.skip = true;
        return p;
    }
    // Words go back into messages, which must stay UTF-8.
    if (!FromUtf8Strict(line)) {
        return Error("not valid UTF-8");
    }
    const std::vector<std::string_view> words = Words(line);
    const bool isSet = words.front() == "set";
    if (isSet && words.size() < 2) {
        return Error("set wants a property and a value");
    }
    const std::string name = isSet ? "set " + std::string(words[1]) : std::string(words.front());
    const auto entry = std::find_if(Entries().begin(), Entries().end(),
                                    [&](const Entry& e) { return name == e.words; });
    if (entry == Entries().end()) {
        return Error(isSet ? "unknown property: " + std::string(words[1])
                           : "unknown line: " + name);
    }
    const std::size_t first = isSet ? 2 : 1;
    const std::size_t given = words.size() - first;
    if (given != entry->parameters.size()) {
        std::string usage = name;
        for (const Parameter& p : entry->parameters) {
            usage += ' ';
            usage += p.name;
        }
        return Error(name + " wants " + std::to_string(entry->parameters.size()) +
                     " argument(s), got " + std::to_string(given) + " (" + usage + ")");
    }
    ScriptLine parsed;
    parsed.verb = entry->verb;
    for (std::size_t i = 0; i < given; ++i) {
        const Parameter& p = entry->parameters[i];
        std::string wanted;
        const std::optional<Argument> a = ParseArgument(p.kind, words[first + i], wanted);
        if (!a) {
            return Error(name + ": " + p.name + " must be " + wanted + ", not " +
                         std::string(words[first + i]));
        }
        parsed.args.push_back(*a);
    }
    ParsedLine p;
    p.line = std::move(parsed);
    return p;
}

} // namespace lumio::qxinput
