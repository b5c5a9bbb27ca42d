// qxrender's command line: any arguments give options in their ranges or an error text.

#include "arguments.h"
#include "qxrender/options.h"

using namespace lumio;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const qxrender::ParseResult r = qxrender::ParseOptions(fuzz::SplitArguments(data, size));
    if (r.options.has_value() == !r.error.empty()) {
        __builtin_trap(); // exactly one of options and error
    }
    if (r.options && (r.options->width <= 0 || r.options->height <= 0)) {
        __builtin_trap();
    }
    return 0;
}
