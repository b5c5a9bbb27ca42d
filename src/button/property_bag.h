#pragma once

#include "button/property_value.h"
#include "platform/ascii.h"
#include "platform/errors.h"
#include "platform/text_lines.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumio {

// A persisted-set problem, always naming the control, the key and the line, so a
// person can find it in the file.
class PropertySetError : public RuntimeError {
public:
    PropertySetError(std::string control, std::string key, int line, const std::string& problem);

    const std::string& control() const noexcept { return control_; }
    const std::string& key() const noexcept { return key_; }
    int line() const noexcept { return line_; }

private:
    std::string control_;
    std::string key_;
    int line_;
};

// The persisted property set of one control instance: `Key = value` entries in the
// order they were written. Keys compare without regard to ASCII case. Values that a
// reader asks for with the wrong type or an out-of-range number raise
// PropertySetError; keys nobody asks for are simply ignored.
class PropertyBag {
public:
    struct Entry {
        std::string key;
        PropertyValue value;
        int line = 0; // 0 when the entry was written in memory
    };

    explicit PropertyBag(std::string controlName = {});

    // Reads `Key = value` lines. Blank lines and lines starting with `#` are skipped.
    // `firstLine` numbers the first line of `text` within its file.
    static PropertyBag Parse(std::string_view text, std::string controlName, int firstLine = 1);

    // Adds one `Key = value` line (already trimmed); used by readers of larger files
    // (the form file) too, so both report a malformed line the same way.
    void AddAssignment(std::string_view text, int line);
    // Adds one already split line.
    void AddLine(std::string_view key, std::string_view valueText, int line);

    // One line per entry, in order, each ending with '\n'.
    std::string Serialize(std::string_view indent = {}) const;

    const std::string& controlName() const noexcept { return controlName_; }
    const std::vector<Entry>& entries() const noexcept { return entries_; }
    const Entry* Find(std::string_view key) const;

    // Reading with the loaded default for an absent key.
    bool ReadBoolean(std::string_view key, bool fallback) const;
    std::int32_t ReadInt32(std::string_view key, std::int32_t fallback) const;
    std::int16_t ReadInt16(std::string_view key, std::int16_t fallback) const;
    std::uint32_t ReadColor(std::string_view key, std::uint32_t fallback) const;
    std::u16string ReadString(std::string_view key, const std::u16string& fallback) const;
    FontAttributes ReadFont(std::string_view key, const FontAttributes& fallback) const;
    PictureValue ReadPicture(std::string_view key) const; // nothing when absent

    // Writing with the saved default: a value equal to it leaves the key out (and
    // drops an older entry of that key), anything else replaces or appends.
    void WriteBoolean(std::string_view key, bool value, bool fallback);
    void WriteInt32(std::string_view key, std::int32_t value, std::int32_t fallback);
    void WriteInt16(std::string_view key, std::int16_t value, std::int16_t fallback);
    void WriteColor(std::string_view key, std::uint32_t value, std::uint32_t fallback);
    void WriteString(std::string_view key, const std::u16string& value,
                     const std::u16string& fallback);
    void WriteFont(std::string_view key, const FontAttributes& value,
                   const FontAttributes& fallback);
    void WritePicture(std::string_view key, const PictureValue& value);

    [[noreturn]] void Raise(const Entry& entry, const std::string& problem) const;

private:
    void Put(std::string_view key, PropertyValue value);
    void Drop(std::string_view key);
    template <typename T>
    const T& Expect(const Entry& e) const;
    std::int64_t ReadWide(std::string_view key, std::int64_t lo, std::int64_t hi,
                          std::int64_t fallback) const;

    std::string controlName_;
    std::vector<Entry> entries_;
};

} // namespace lumio
