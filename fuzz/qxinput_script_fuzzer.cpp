// qxinput's script lines and command line: any line is skipped, understood or refused
// with an error that is valid UTF-8; any arguments give options or an error text.

#include "arguments.h"
#include "platform/utf.h"
#include "qxinput/options.h"
#include "qxinput/script_line.h"

#include <cstddef>
#include <cstdint>

using namespace lumio;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const qxinput::ParsedLine parsed = qxinput::ParseScriptLine(text);
    const int outcomes =
        int(parsed.skip) + int(parsed.line.has_value()) + int(!parsed.error.empty());
    if (outcomes != 1 || !FromUtf8Strict(parsed.error).has_value()) {
        __builtin_trap();
    }
    const qxinput::ParseResult r = qxinput::ParseOptions(fuzz::SplitArguments(data, size));
    if (r.options.has_value() == !r.error.empty()) {
        __builtin_trap();
    }
    return 0;
}
