#pragma once

#include "platform/text_decoder.h"

#include <optional>
#include <string>
#include <string_view>

namespace lumio {

// How a document's bytes are read: found from the bytes themselves (Auto), or one
// encoding the user names.
enum class TextEncoding { Auto, Gbk, Gb18030, Utf8, Utf16Le, Utf16Be, Big5 };

// The encoding a command line names ("auto", "gbk", "utf-8", ...; case does not matter),
// nothing for a name we do not know.
std::optional<TextEncoding> EncodingNamed(std::string_view name);

// The name of an encoding as EncodingNamed takes it.
std::string_view EncodingName(TextEncoding encoding);

// Every name, in order, joined by ", ": for help texts and error messages.
std::string EncodingNames();

// The decoder of a named encoding; for Auto, the reading of a document found to be no
// other: code page 936 widened by GB18030's four-byte sequences.
const TextDecoder& DecoderFor(TextEncoding encoding);

// The byte-order mark of an encoding ("" where it has none): not part of the text.
std::string_view ByteOrderMark(TextEncoding encoding);

} // namespace lumio
