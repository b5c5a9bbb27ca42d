#include "button/property_bag.h"

#include <algorithm>
#include <limits>

namespace lumio {

namespace {

bool IsKeyStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsKeyChar(char c) {
    return IsKeyStart(c) || (c >= '0' && c <= '9');
}

std::string Describe(const std::string& control, const std::string& key, int line,
                     const std::string& problem) {
    std::string out = control.empty() ? std::string("(unnamed control)") : control;
    if (line > 0) {
        out += ", line " + std::to_string(line);
    }
    if (!key.empty()) {
        out += ", key " + key;
    }
    return out + ": " + problem;
}

} // namespace

PropertySetError::PropertySetError(std::string control, std::string key, int line,
                                   const std::string& problem)
    : RuntimeError(ErrorNumber::InvalidPropertyValue, Describe(control, key, line, problem)),
      control_(std::move(control)), key_(std::move(key)), line_(line) {}

PropertyBag::PropertyBag(std::string controlName) : controlName_(std::move(controlName)) {}

PropertyBag PropertyBag::Parse(std::string_view text, std::string controlName, int firstLine) {
    PropertyBag bag(std::move(controlName));
    ForEachContentLine(text, firstLine,
                       [&](std::string_view line, int number) { bag.AddAssignment(line, number); });
    return bag;
}

void PropertyBag::AddAssignment(std::string_view text, int line) {
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos) {
        // Name what would have been the key: the line's first word.
        const std::string_view key = text.substr(0, text.find_first_of(" \t"));
        throw PropertySetError(controlName_, std::string(key), line, "expected `Key = value`");
    }
    AddLine(TrimLine(text.substr(0, eq)), TrimLine(text.substr(eq + 1)), line);
}

void PropertyBag::AddLine(std::string_view key, std::string_view valueText, int line) {
    const bool keyOk =
        !key.empty() && IsKeyStart(key.front()) && std::all_of(key.begin(), key.end(), IsKeyChar);
    if (!keyOk) {
        throw PropertySetError(controlName_, std::string(key), line, "not a property name");
    }
    if (Find(key) != nullptr) {
        throw PropertySetError(controlName_, std::string(key), line, "given twice");
    }
    try {
        entries_.push_back(Entry{std::string(key), ParseValue(valueText), line});
    } catch (const ValueSyntaxError& e) {
        throw PropertySetError(controlName_, std::string(key), line, e.what());
    }
}

std::string PropertyBag::Serialize(std::string_view indent) const {
    std::string out;
    for (const Entry& e : entries_) {
        out += indent;
        out += e.key;
        out += " = ";
        out += FormatValue(e.value);
        out += '\n';
    }
    return out;
}

const PropertyBag::Entry* PropertyBag::Find(std::string_view key) const {
    for (const Entry& e : entries_) {
        if (EqualsIgnoringAsciiCase(e.key, key)) {
            return &e;
        }
    }
    return nullptr;
}

void PropertyBag::Raise(const Entry& entry, const std::string& problem) const {
    throw PropertySetError(controlName_, entry.key, entry.line, problem);
}

template <typename T>
const T& PropertyBag::Expect(const Entry& e) const {
    const T* v = std::get_if<T>(&e.value);
    if (v == nullptr) {
        const PropertyValue wanted{T{}};
        Raise(e, "expected " + std::string(KindName(wanted)) + ", found " +
                     std::string(KindName(e.value)));
    }
    return *v;
}

std::int64_t PropertyBag::ReadWide(std::string_view key, std::int64_t lo, std::int64_t hi,
                                   std::int64_t fallback) const {
    const Entry* e = Find(key);
    if (e == nullptr) {
        return fallback;
    }
    const std::int64_t v = Expect<std::int64_t>(*e);
    if (v < lo || v > hi) {
        Raise(*e, "number out of range: " + std::to_string(v));
    }
    return v;
}

bool PropertyBag::ReadBoolean(std::string_view key, bool fallback) const {
    const Entry* e = Find(key);
    return e == nullptr ? fallback : Expect<bool>(*e);
}

std::int32_t PropertyBag::ReadInt32(std::string_view key, std::int32_t fallback) const {
    return static_cast<std::int32_t>(ReadWide(key, std::numeric_limits<std::int32_t>::min(),
                                              std::numeric_limits<std::int32_t>::max(), fallback));
}

std::int16_t PropertyBag::ReadInt16(std::string_view key, std::int16_t fallback) const {
    return static_cast<std::int16_t>(ReadWide(key, std::numeric_limits<std::int16_t>::min(),
                                              std::numeric_limits<std::int16_t>::max(), fallback));
}

std::uint32_t PropertyBag::ReadColor(std::string_view key, std::uint32_t fallback) const {
    const Entry* e = Find(key);
    return e == nullptr ? fallback : Expect<ColorValue>(*e).ole;
}

std::u16string PropertyBag::ReadString(std::string_view key, const std::u16string& fallback) const {
    const Entry* e = Find(key);
    return e == nullptr ? fallback : Expect<std::u16string>(*e);
}

FontAttributes PropertyBag::ReadFont(std::string_view key, const FontAttributes& fallback) const {
    const Entry* e = Find(key);
    return e == nullptr ? fallback : Expect<FontAttributes>(*e);
}

PictureValue PropertyBag::ReadPicture(std::string_view key) const {
    const Entry* e = Find(key);
    return e == nullptr ? PictureValue{} : Expect<PictureValue>(*e);
}

void PropertyBag::Put(std::string_view key, PropertyValue value) {
    for (Entry& e : entries_) {
        if (EqualsIgnoringAsciiCase(e.key, key)) {
            e.key = std::string(key);
            e.value = std::move(value);
            e.line = 0;
            return;
        }
    }
    entries_.push_back(Entry{std::string(key), std::move(value), 0});
}

void PropertyBag::Drop(std::string_view key) {
    std::erase_if(entries_, [&](const Entry& e) { return EqualsIgnoringAsciiCase(e.key, key); });
}

void PropertyBag::WriteBoolean(std::string_view key, bool value, bool fallback) {
    value == fallback ? Drop(key) : Put(key, value);
}

void PropertyBag::WriteInt32(std::string_view key, std::int32_t value, std::int32_t fallback) {
    value == fallback ? Drop(key) : Put(key, std::int64_t{value});
}

void PropertyBag::WriteInt16(std::string_view key, std::int16_t value, std::int16_t fallback) {
    value == fallback ? Drop(key) : Put(key, std::int64_t{value});
}

void PropertyBag::WriteColor(std::string_view key, std::uint32_t value, std::uint32_t fallback) {
    value == fallback ? Drop(key) : Put(key, ColorValue{value});
}

void PropertyBag::WriteString(std::string_view key, const std::u16string& value,
                              const std::u16string& fallback) {
    value == fallback ? Drop(key) : Put(key, value);
}

void PropertyBag::WriteFont(std::string_view key, const FontAttributes& value,
                            const FontAttributes& fallback) {
    value == fallback ? Drop(key) : Put(key, value);
}

void PropertyBag::WritePicture(std::string_view key, const PictureValue& value) {
    std::holds_alternative<std::monostate>(value) ? Drop(key) : Put(key, value);
}

} // namespace lumio
