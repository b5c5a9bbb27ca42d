#include "reader/second_start.h"

#include "reader/main_msg.h"
#include "reader/one_file_drop.h"

#include <cstdint>

namespace lumio {

namespace {

constexpr std::string_view kMagic{"LumioGo\x01", 8};

void PutLe(std::uint32_t value, int bytes, std::string& out) {
    for (int i = 0; i < bytes; ++i) {
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    }
}

std::uint32_t GetLe(std::string_view bytes, std::size_t at, int count) {
    std::uint32_t value = 0;
    for (int i = count - 1; i >= 0; --i) {
        value = (value << 8) | static_cast<std::uint8_t>(bytes[at + static_cast<std::size_t>(i)]);
    }
    return value;
}

} // namespace

std::string EncodeSecondStart(std::u16string_view file) {
    if (file.size() > kSecondStartMaxUnits) {
        file = {}; // no system opens it; the strip still comes into view
    }
    std::string out(kMagic);
    PutLe(static_cast<std::uint32_t>(file.size()), 4, out);
    for (const char16_t unit : file) {
        PutLe(unit, 2, out);
    }
    return out;
}

std::optional<std::size_t> SecondStartSize(std::string_view header) {
    if (header.size() < kSecondStartHeaderSize || header.substr(0, kMagic.size()) != kMagic) {
        return std::nullopt;
    }
    const std::uint32_t units = GetLe(header, kMagic.size(), 4);
    if (units > kSecondStartMaxUnits) {
        return std::nullopt;
    }
    return kSecondStartHeaderSize + 2 * std::size_t{units};
}

std::optional<std::u16string> DecodeSecondStart(std::string_view message) {
    const std::optional<std::size_t> size = SecondStartSize(message);
    if (!size || *size != message.size()) {
        return std::nullopt;
    }
    std::u16string file;
    file.reserve((message.size() - kSecondStartHeaderSize) / 2);
    for (std::size_t at = kSecondStartHeaderSize; at < message.size(); at += 2) {
        file += static_cast<char16_t>(GetLe(message, at, 2));
    }
    return file;
}

bool SecondStartReceiver::Receive(std::string_view message) {
    const std::optional<std::u16string> file = DecodeSecondStart(message);
    if (!file) {
        return false;
    }
    // In view first, so a refusal or a load error is said over the strip it concerns.
    parts_.form.Show();
    if (!file->empty()) {
        parts_.reader.Form_OLEDragDrop(OneFileDrop(*file));
    }
    return true;
}

} // namespace lumio
