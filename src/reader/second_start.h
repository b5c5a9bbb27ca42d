#pragma once

#include "reader/window_services.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace lumio {

class MainMsg;

// What a second start of the program hands the strip already running: the document
// named on its command line, or none. The name travels as our UTF-16 code units, so a
// POSIX name that is not UTF-8 (its bad bytes carried as lone surrogates, see
// PathFromNative) and a Windows name with an unpaired surrogate both arrive exactly as
// they left.
//
// The bytes: "LumioGo" and a version byte (1), the number of code units as 32 bits
// little-endian, then the code units, little-endian.
inline constexpr std::size_t kSecondStartHeaderSize = 12;
// The longest path any of our systems opens, in code units.
inline constexpr std::size_t kSecondStartMaxUnits = 32767;

std::string EncodeSecondStart(std::u16string_view file);
// The size of the whole message whose first kSecondStartHeaderSize bytes are `header`;
// nothing when they do not start a message of ours.
std::optional<std::size_t> SecondStartSize(std::string_view header);
// The file the message names (empty for none); nothing unless `message` is exactly one
// well-formed message.
std::optional<std::u16string> DecodeSecondStart(std::string_view message);

struct SecondStartParts {
    FormWindow& form;
    MainMsg& reader;
};

// What the running strip does with a second start's message: it comes into view, with
// its pin state as it was (as the tray's left click brings it), and opens the file the
// message names as a drop of that file would. Bytes that are not a message of ours
// change nothing.
class SecondStartReceiver {
public:
    explicit SecondStartReceiver(const SecondStartParts& parts) : parts_(parts) {}
    // True when the bytes were a message of ours.
    bool Receive(std::string_view message);

private:
    SecondStartParts parts_;
};

} // namespace lumio
